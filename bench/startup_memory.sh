#!/usr/bin/env bash
# Start-up time and resident memory of the desktop program, measured on the real `orvane`
# as a whole process on a virtual X server (Xvfb, the xcb platform as on a desktop).
#
#   bench/startup_memory.sh [BUILD_DIR [RUNS]]
#
#   BUILD_DIR  a Release build with orvane and orvane-cli (default: build-release), made by
#                cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
#                cmake --build build-release --target orvane orvane-cli
#   RUNS       timed start-ups (default: 15)
#
# Start-up: the time from the exec of the program to its first sheet grid painted on
# its mapped main window, RUNS times after one untimed start that warms the file cache;
# each run quits the program before the next starts. Measured without a file and again
# with a clone data file made by `orvane-cli new` on the command line. Prints the median and the range,
# and beside them the processor time the program used until then: on a busy machine
# the wall time grows with the load, the processor time much less. Target: a median
# under 150 ms.
# Memory: the program opens a clone data file made by `orvane-cli new`, selects every
# node of the tree in turn (each sheet opens and paints), and then VmRSS and VmHWM are
# read from /proc/PID/status. Target: under 60 MB.
#
# The program reports through its measurement probe (src/gui/measurement_probe.h), which
# the ORVANE_PROBE environment variable turns on: it writes the monotonic time of the
# first grid paint and, with ORVANE_PROBE_TOUR, walks the tree. The launch time is taken
# by perl (Time::HiRes) on the same monotonic clock just before it execs the program in
# its own process, so the figure covers loading the program and its libraries. Every run
# has a fresh temporary HOME (settings, runtime directory with the single-instance lock).
#
# Needs Xvfb, xwininfo (x11-utils) and perl; no window-automation tool is needed.
set -euo pipefail

readonly ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly BUILD="$(cd "${1:-$ROOT/build-release}" && pwd)"
readonly RUNS="${2:-15}"
readonly ORVANE="$BUILD/src/gui/orvane"
readonly ORVANE_CLI="$BUILD/src/cli/orvane-cli"
readonly START_TARGET_MS=150
readonly MEMORY_TARGET_KB=$((60 * 1024))

for tool in Xvfb xwininfo perl; do
    command -v "$tool" >/dev/null || { echo "needs $tool" >&2; exit 2; }
done
for program in "$ORVANE" "$ORVANE_CLI"; do
    [ -x "$program" ] || { echo "no $program: build it first (see the top of $0)" >&2; exit 2; }
done
if ! grep -q 'CMAKE_BUILD_TYPE:STRING=Release' "$BUILD/CMakeCache.txt"; then
    echo "warning: $BUILD is not a Release build; the figures will not be comparable" >&2
fi

WORK="$(mktemp -d)"
XVFB_PID=""
PROGRAM_PID=""
cleanup() {
    [ -n "$PROGRAM_PID" ] && kill -KILL "$PROGRAM_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# One X server for every run; it writes its display number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
for _ in $(seq 100); do
    [ -s "$WORK/display" ] && break
    sleep 0.05
done
[ -s "$WORK/display" ] || { echo "Xvfb did not start:" >&2; cat "$WORK/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$WORK/display")"
export QT_QPA_PLATFORM=xcb
unset ORVANE_PROBE ORVANE_PROBE_TOUR

# A fresh home for one run; sets HOME and the XDG directories under it.
fresh_home() {
    HOME="$(mktemp -d "$WORK/home.XXXXXX")"
    export HOME XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
    export XDG_CACHE_HOME="$HOME/.cache" XDG_RUNTIME_DIR="$HOME/run"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}

# Starts the program with "$@" as arguments and the probe reporting to $HOME/probe; the
# monotonic launch time in nanoseconds goes to $HOME/launch. Sets PROGRAM_PID.
launch() {
    : >"$HOME/probe"
    ORVANE_PROBE="$HOME/probe" perl -MTime::HiRes=clock_gettime,CLOCK_MONOTONIC -e '
        open(my $out, ">", shift) or die "launch file: $!";
        printf $out "%.0f\n", clock_gettime(CLOCK_MONOTONIC) * 1e9;
        close $out;
        exec @ARGV or die "exec: $!";' "$HOME/launch" "$ORVANE" "$@" &
    PROGRAM_PID=$!
}

# Waits up to $2 seconds for a report line starting with $1 and prints it.
await_report() {
    local word="$1" deadline=$((SECONDS + $2)) line
    while [ "$SECONDS" -le "$deadline" ]; do
        line="$(grep -m1 "^$word " "$HOME/probe" || true)"
        if [ -n "$line" ]; then
            echo "$line"
            return 0
        fi
        kill -0 "$PROGRAM_PID" 2>/dev/null || { echo "orvane ended before '$word'" >&2; return 1; }
        sleep 0.01
    done
    echo "no '$word' from orvane within $2 s" >&2
    return 1
}

# Quits the program the orderly way (a termination signal closes the window) and waits.
quit() {
    kill -TERM "$PROGRAM_PID"
    wait "$PROGRAM_PID" || true
    PROGRAM_PID=""
}

# Whether the program's top-level window is mapped and viewable on the X server.
window_viewable() {
    local id
    for id in $(xwininfo -root -children | awk '/\("orvane" "orvane"\)/ { print $1 }'); do
        xwininfo -id "$id" | grep -q 'Map State: IsViewable' && return 0
    done
    return 1
}

# Prints the median, the least and the greatest of the numbers on standard input.
summarise() {
    sort -n | awk '{ v[NR] = $1 }
        END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
              printf "%.1f %.1f %.1f\n", m, v[1], v[NR] }'
}

# ---- Start-up ----------------------------------------------------------------------------
# Times RUNS start-ups and prints the figures under the heading $1; with $2 set, each
# start names a new clone data file, as a file manager's double click does.
measure_startup() {
    local heading="$1" with_file="${2:-}" run median low high cpu_median cpu_low cpu_high
    local start_verdict times=() cpu_times=() arguments=()
    for run in $(seq 0 "$RUNS"); do
        fresh_home
        arguments=()
        if [ -n "$with_file" ]; then
            "$ORVANE_CLI" new -o "$HOME/bench.zcf" >/dev/null
            arguments=("$HOME/bench.zcf")
        fi
        launch "${arguments[@]}"
        read -r _ painted_ns cpu_us < <(await_report painted 20)
        if [ "$run" -eq 0 ] && ! window_viewable; then
            echo "the first sheet painted, but no orvane window is viewable" >&2
            exit 1
        fi
        quit
        if [ "$run" -gt 0 ]; then  # run 0 warms the file cache
            times+=("$(awk -v from="$(cat "$HOME/launch")" -v to="$painted_ns" \
                'BEGIN { printf "%.1f", (to - from) / 1e6 }')")
            cpu_times+=("$(awk -v us="$cpu_us" 'BEGIN { printf "%.1f", us / 1e3 }')")
        fi
    done
    read -r median low high < <(printf '%s\n' "${times[@]}" | summarise)
    read -r cpu_median cpu_low cpu_high < <(printf '%s\n' "${cpu_times[@]}" | summarise)
    start_verdict="$(awk -v m="$median" -v t="$START_TARGET_MS" 'BEGIN { print (m < t ? "met" : "MISSED") }')"
    echo "$heading: median $median ms, range $low..$high ms" \
         "over $RUNS runs (target < $START_TARGET_MS ms: $start_verdict)"
    echo "  processor time of the program until then: median $cpu_median ms," \
         "range $cpu_low..$cpu_high ms; load average $(cut -d' ' -f1-3 /proc/loadavg)"
    echo "  runs (ms): ${times[*]}"
}

measure_startup "start-up to the first painted sheet"
measure_startup "start-up with a file to its first painted sheet" with-file

# ---- Memory after every sheet ------------------------------------------------------------
fresh_home
"$ORVANE_CLI" new -o "$HOME/bench.zcf" >/dev/null
ORVANE_PROBE_TOUR=1 launch "$HOME/bench.zcf"
await_report painted 20 >/dev/null
read -r _ nodes sheets title < <(await_report toured 300)
window_viewable || { echo "after the tour no orvane window is viewable" >&2; exit 1; }
[[ "$title" == *bench.zcf* ]] || { echo "the file did not open: title '$title'" >&2; exit 1; }
rss_kb="$(awk '/^VmRSS:/ { print $2 }' "/proc/$PROGRAM_PID/status")"
hwm_kb="$(awk '/^VmHWM:/ { print $2 }' "/proc/$PROGRAM_PID/status")"
quit
memory_verdict="$( [ "$hwm_kb" -lt "$MEMORY_TARGET_KB" ] && echo met || echo MISSED)"
awk -v rss="$rss_kb" -v hwm="$hwm_kb" -v n="$nodes" -v s="$sheets" -v v="$memory_verdict" 'BEGIN {
    printf "memory after opening a file and visiting %d nodes (%d sheets): ", n, s
    printf "VmRSS %.1f MB, VmHWM %.1f MB (target < 60 MB: %s)\n", rss / 1024, hwm / 1024, v }'
