// What a user feels on the largest sheet, the bank sheet of a bank holding 100 channels
// with every column shown, in the real main window on the offscreen platform: opening it
// up to its first painted frame, repainting it whole, Page Down with its repaint, and a
// frequency committed into a channel with the repaint of what changed, and its undo.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLayout>

#include <unistd.h>

#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "desktop_program.h"
#include "gui/sheet_grid.h"
#include "radio/bank_table.h"
#include "radio/cell_ids.h"
#include "sheet/key_codes.h"

namespace orvane {
namespace {

const std::string kBank0 = "[St_ColCut]GI_Sheet_MemoryCH,Bank 0";

// The desktop program, its window shown, with bank 0 holding 100 channels.
class Program {
public:
    Program() {
        desktop_.Window().resize(1280, 900);
        desktop_.Window().show();
        QApplication::processEvents();
        BankTable banks(desktop_.Controller().CurrentDocument().Current());
        banks.SetBankCapacity(0, 100);
        for (int bank = 1; bank < 10; ++bank) {
            banks.SetBankCapacity(bank, bank <= 5 ? 20 : 0);
        }
    }

    MainController& Controller() { return desktop_.Controller(); }
    MainWindow& Window() { return desktop_.Window(); }
    // What the program does between two user actions: the event loop runs, and with it
    // the bus pump that delivers queued messages and frees the subscriptions of sheets
    // gone. A loop that never let it run would measure a growing backlog.
    void Settle() {
        QApplication::processEvents();
        desktop_.Objects().Bus().Pump();
    }
    SheetGrid& OpenBank0() {
        Controller().OpenSheet(kBank0);
        SheetGrid& grid = *Window().ShownGrid();
        // Laid out in the window, as it is before its first frame shows.
        grid.window()->layout()->activate();
        return grid;
    }

private:
    DesktopProgram desktop_;
};

// Made once the application exists, and gone before it goes (see main).
std::unique_ptr<Program> theProgram;

Program& TheProgram() {
    if (!theProgram) {
        theProgram = std::make_unique<Program>();
    }
    return *theProgram;
}

// Counts the paint events a widget gets.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// Paints whatever is invalid in the window now, as the event loop would: only the
// invalid region, not the whole grid.
void Paint(SheetGrid& grid) {
    static PaintCounter counter;
    if (!grid.viewport()->isVisible() || grid.viewport()->width() < 400) {
        std::abort();  // a grid that is not on screen paints nothing: the figure would lie
    }
    grid.viewport()->installEventFilter(&counter);
    const int before = counter.paints;
    QCoreApplication::sendPostedEvents(grid.window(), QEvent::UpdateRequest);
    if (counter.paints == before) {
        std::abort();  // every measured step changes what the grid shows
    }
}

// Runs between two measured steps, off the clock.
void Settle(benchmark::State& state) {
    state.PauseTiming();
    TheProgram().Settle();
    state.ResumeTiming();
}

// The RX frequency cell of channel 5 on the shown bank sheet; row -1 when there is none.
GridCell FrequencyCellOf5(SheetGrid& grid) {
    Sheet& sheet = grid.ShownSheet();
    for (int row = 0; row < sheet.RowCount(); ++row) {
        for (int column = 0; column < sheet.ColumnCount(); ++column) {
            const SheetCell& cell = sheet.CellAt(column, row);
            if (cell.link.cellId == cell::kMchFreq && cell.link.index == 5) {
                return {column, row};
            }
        }
    }
    return {-1, -1};
}

// The process's resident memory in bytes.
double ResidentBytes() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

// What a history of 1000 steps (typed frequencies) adds to the process's memory. It runs
// first, before other benchmarks leave freed memory the history would reuse.
void BM_MemoryOfAThousandSteps(benchmark::State& state) {
    Program& program = TheProgram();
    for (auto _ : state) {
        state.PauseTiming();
        // A fresh history, as after Open, that the steps then fill.
        program.Controller().ImageReplaced(ImageChange::kNewDocument);
        SheetGrid& grid = program.OpenBank0();
        const GridCell target = FrequencyCellOf5(grid);
        const double before = ResidentBytes();
        for (int step = 0; step < 1000; ++step) {
            const std::string mhz = std::to_string(118 + step % 18) + "." + (step % 2 ? "5" : "1");
            grid.View().SendOperation(target, 0, 0, mhz);
        }
        program.Settle();
        if (program.Controller().UndoStepName() == std::nullopt) {
            state.SkipWithError("the typed frequencies made no steps");
        }
        state.counters["MB"] = (ResidentBytes() - before) / (1024.0 * 1024.0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MemoryOfAThousandSteps)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_OpenAndPaintTheLargestSheet(benchmark::State& state) {
    Program& program = TheProgram();
    for (auto _ : state) {
        Paint(program.OpenBank0());
        Settle(state);
    }
}
BENCHMARK(BM_OpenAndPaintTheLargestSheet)->Unit(benchmark::kMillisecond);

void BM_RepaintTheLargestSheet(benchmark::State& state) {
    SheetGrid& grid = TheProgram().OpenBank0();
    for (auto _ : state) {
        grid.viewport()->update();
        Paint(grid);
    }
}
BENCHMARK(BM_RepaintTheLargestSheet)->Unit(benchmark::kMillisecond);

void BM_PageDownWithRepaint(benchmark::State& state) {
    SheetGrid& grid = TheProgram().OpenBank0();
    int direction = key::vk::kPageDown;
    for (auto _ : state) {
        const int row = grid.View().Current().row;
        grid.View().OnKey(direction, 0, 0);
        if (grid.View().Current().row == row) {
            // At an end of the sheet: turn round.
            direction = direction == key::vk::kPageDown ? key::vk::kPageUp : key::vk::kPageDown;
            grid.View().OnKey(direction, 0, 0);
        }
        Paint(grid);
        Settle(state);
    }
}
BENCHMARK(BM_PageDownWithRepaint)->Unit(benchmark::kMillisecond);

void BM_CommitAFrequency(benchmark::State& state) {
    SheetGrid& grid = TheProgram().OpenBank0();
    const GridCell target = FrequencyCellOf5(grid);
    if (target.row < 0) {
        state.SkipWithError("no frequency cell for channel 5");
        return;
    }
    bool low = false;
    for (auto _ : state) {
        low = !low;
        grid.View().SendOperation(target, 0, 0, std::string(low ? "121.5" : "122.8"));
        Paint(grid);
        Settle(state);
    }
}
BENCHMARK(BM_CommitAFrequency)->Unit(benchmark::kMicrosecond);

// Undo of one typed frequency, then Redo of it, each with the repaint of the bank sheet
// the step reopens with the cursor on the changed cell.
// Undo and redo, in turn, of one step made on channel 5 of bank 0 by `operation` (a key,
// command or text as SendOperation takes them), each with the repaint of the bank sheet.
void UndoAStepWithRepaint(benchmark::State& state, std::int32_t commandId,
                          std::optional<std::string> text) {
    Program& program = TheProgram();
    MainController& controller = program.Controller();
    SheetGrid& grid = program.OpenBank0();
    const GridCell target = FrequencyCellOf5(grid);
    if (target.row >= 0) {
        grid.View().SendOperation(target, 0, commandId, std::move(text));
    }
    program.Settle();
    if (!controller.UndoStepName()) {
        state.SkipWithError("the operation made no step");
        return;
    }
    bool back = true;
    for (auto _ : state) {
        back ? controller.Undo() : controller.Redo();
        back = !back;
        Paint(*program.Window().ShownGrid());
        Settle(state);
    }
}

// A typed frequency: the sheet keeps its rows.
void BM_UndoAFrequencyWithRepaint(benchmark::State& state) {
    UndoAStepWithRepaint(state, 0, std::string("123.450"));
}
BENCHMARK(BM_UndoAFrequencyWithRepaint)->Unit(benchmark::kMicrosecond);

// A deleted channel (the question answered OK): the sheet gains and loses a row.
void BM_UndoADeleteWithRepaint(benchmark::State& state) {
    UndoAStepWithRepaint(state, cell::kPMenuDelete, std::nullopt);
}
BENCHMARK(BM_UndoADeleteWithRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane

// The window and everything it holds must go while the application still exists.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    orvane::theProgram.reset();
    return 0;
}
