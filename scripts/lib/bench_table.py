"""The closing table of scripts/bench: one line per figure with its target and result.

    python3 bench_table.py RESULTS_DIR

RESULTS_DIR holds PROGRAM.json, the Google Benchmark JSON output of each benchmark
program, PROGRAM.failed for a program that ended with an error, and startup_memory.txt,
the output of bench/startup_memory.sh. Prints the table; exits with 1 when a figure is
missing or failed, so that scripts/bench fails too. A missed target is reported, not
treated as a failure: the figures of a loaded machine vary.
"""

import json
import pathlib
import re
import sys

# The targets of the benchmark programs' figures, in milliseconds, with the label the
# table gives each figure. A benchmark without a stated target shows "-". The start-up
# and memory targets are the ones bench/startup_memory.sh states and prints.
TARGETS_MS = {
    "BM_OpenAndPaintTheLargestSheet": ("largest sheet: open to first frame", 8),
    "BM_RepaintTheLargestSheet": ("largest sheet: full repaint", 4),
    "BM_PageDownWithRepaint": ("largest sheet: Page Down with repaint", 4),
    "BM_CommitAFrequency": ("largest sheet: commit a frequency", 2),
    "BM_UndoAFrequencyWithRepaint": ("largest sheet: undo a typed frequency with repaint", 2),
    "BM_UndoADeleteWithRepaint": ("largest sheet: undo a channel deletion with repaint", 2),
    "BM_RepaintFullBankSheet": ("bank sheet cells drawn through the model", 1),
    "BM_WarningCheckOfAFullImage": ("warning check of a full image", 1),
    "BM_BuildLargestBankSheet": ("build the largest bank sheet", 5),
    "BM_BuildHomeSheet": ("build the home sheet", None),
    "BM_BuildMainMenu": ("build the main menu", None),
    "BM_OpenFile": ("open a full file (controller)", None),
    "BM_ShowBankProcess": ("orvane-cli show FILE \"Bank 0\" (process)", None),
    "BM_PrintAllSheetsToPdfProcess": ("orvane-cli print FILE --all -o out.pdf (process)", 1000),
    "BM_OpenPreviewOfAllSheets": ("open the print preview of all sheets", 300),
    "BM_SaveFullImage": ("save a full clone data file", None),
    "BM_ExportChannels": ("export 200 channels as a table", 20),
    "BM_ImportChannels": ("import 200 channels from a table", 20),
    "BM_ImportAirports": ("airports from a 30 000-row table", 100),
    "BM_DiffProcess": ("orvane-cli diff of two full files (process)", 60),
    "BM_LoadFullImage": ("load a full clone data file", None),
}
# Figures of memory, in megabytes (the benchmark's "MB" counter), with their targets.
TARGETS_MB = {
    "BM_MemoryOfAThousandSteps": ("memory of 1000 undo steps", 16),
}
# The clone transfers are held against the wire time their own counters report.
CLONE_LABELS = {
    "BM_Read9600": "clone read at 9600 baud",
    "BM_Read38400": "clone read at 38400 baud",
    "BM_Write9600": "clone write at 9600 baud",
    "BM_Write38400": "clone write at 38400 baud",
}

UNIT_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def Milliseconds(value):
    return f"{value:.3f} ms" if value < 1 else f"{value:.1f} ms"


def Verdict(value, target):
    return "met" if value < target else "MISSED"


def BenchmarkRows(path):
    """The rows of one program's JSON output."""
    rows = []
    for run in json.loads(path.read_text())["benchmarks"]:
        name = run["name"].split("/")[0]
        if run.get("error_occurred"):
            label = TARGETS_MS.get(name, (CLONE_LABELS.get(name, name), None))[0]
            rows.append((label, "-", "FAILED: " + run.get("error_message", "")))
            continue
        if name in TARGETS_MB:
            label, target = TARGETS_MB[name]
            megabytes = run["MB"]
            rows.append((label, f"< {target} MB",
                         f"{megabytes:.1f} MB ({Verdict(megabytes, target)})"))
            continue
        value = run["real_time"] * UNIT_MS[run["time_unit"]]
        if name in CLONE_LABELS:
            limit = run["limit_ms"]
            rows.append((CLONE_LABELS[name], f"wire time {limit:.0f} ms",
                         f"{value:.0f} ms ({run['over_limit_pct']:+.1f}%)"))
            continue
        label, target = TARGETS_MS.get(name, (name, None))
        result = Milliseconds(value)
        if "manual_time" not in run["name"]:
            # On a loaded machine the wall time grows with the load, the processor time
            # much less; a manually timed figure has no processor time of its own.
            result += ", cpu " + Milliseconds(run["cpu_time"] * UNIT_MS[run["time_unit"]])
        if target is None:
            rows.append((label, "-", result))
        else:
            rows.append((label, f"< {target} ms", f"{result} ({Verdict(value, target)})"))
    return rows


def StartupRows(path):
    """The rows of bench/startup_memory.sh's output, with the targets it printed."""
    text = path.read_text()
    rows = []
    for heading, label in (("start-up to the first painted sheet", "start-up, no file"),
                           ("start-up with a file to its first painted sheet",
                            "start-up with a file")):
        found = re.search(re.escape(heading) + r": median ([\d.]+) ms.*?target < (\d+) ms: (\w+)"
                          r".*?processor time .*?median ([\d.]+) ms", text, re.DOTALL)
        if found is None:
            rows.append((label + " (median)", "-", "FAILED: no figure"))
        else:
            median, target, verdict, cpu = found.groups()
            rows.append((label + " (median)", f"< {target} ms",
                         f"{median} ms, cpu {cpu} ms ({verdict})"))
    found = re.search(r"VmHWM ([\d.]+) MB \(target < (\d+) MB: (\w+)\)", text)
    if found is None:
        rows.append(("memory peak after every sheet", "-", "FAILED: no figure"))
    else:
        peak, target, verdict = found.groups()
        rows.append(("memory peak after every sheet", f"< {target} MB", f"{peak} MB ({verdict})"))
    return rows


def main():
    results = pathlib.Path(sys.argv[1])
    rows = []
    for failed in sorted(results.glob("*.failed")):
        rows.append((failed.stem, "-", "FAILED: " + failed.read_text().strip()))
    for output in sorted(results.glob("*.json")):
        if not (results / (output.stem + ".failed")).exists():
            rows.extend(BenchmarkRows(output))
    startup = results / "startup_memory.txt"
    rows.extend(StartupRows(startup) if startup.exists()
                else [("start-up and memory", "-", "FAILED: no output")])

    header = ("figure", "target", "result")
    widths = [max(len(row[i]) for row in rows + [header]) for i in range(2)]
    line = "  ".join(["{:<%d}" % widths[0], "{:<%d}" % widths[1], "{}"])
    print(line.format(*header))
    print(line.format("-" * widths[0], "-" * widths[1], "-" * len(header[2])))
    for row in rows:
        print(line.format(*row))
    return 1 if any(row[2].startswith("FAILED") for row in rows) else 0


if __name__ == "__main__":
    sys.exit(main())
