// What printing costs a user, on a file whose ten banks are full: "orvane-cli print
// FILE --all -o out.pdf" as a whole process, start-up and exit included, and opening the
// preview of every sheet in the real main window on the offscreen platform (laying all
// sheets out and drawing the first page).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPageSize>
#include <chrono>
#include <memory>
#include <string>

#include "desktop_program.h"
#include "gui/print_preview.h"
#include "image/image_layout.h"
#include "radio/channel_store.h"
#include "support/process_runner.h"

namespace orvane {
namespace {

// The desktop program with every channel of the ten banks in use, saved as full.zcf in
// its home.
class Program {
public:
    Program() {
        MainController& controller = desktop_.Controller();
        EepromImage& image = controller.CurrentDocument().Current();
        ChannelStore channels(image, controller.ModelType());
        for (int position = 0; position < kChannelCount; ++position) {
            MemoryChannel channel = channels.Load(MemoryChannel::kMemory, position);
            channel.used = true;
            channel.rxHz = 118'000'000 + static_cast<Hertz>(position) * 50'000;
            channel.txHz = channel.rxHz;
            channel.name = "CH " + std::to_string(1000 + position).substr(1) + "  ";
            channels.Store(channel);
        }
        if (!controller.Files().SaveFile(FilePath())) {
            std::abort();
        }
        desktop_.Objects().Bus().Pump();
    }

    std::string FilePath() const { return desktop_.HomeFile("full.zcf"); }
    std::string Home() const { return desktop_.Home(); }

    std::unique_ptr<PrintPreview> OpenPreview() {
        MainController& controller = desktop_.Controller();
        return std::make_unique<PrintPreview>(
            &desktop_.Window(), desktop_.Objects().Context(), desktop_.Window().Fonts(),
            PreviewSetup{PrintSources{controller.SheetContext(), controller.Evaluator(),
                                      &controller.ColumnWidths(), 100},
                         PaperPage{4961, 7016, 600}, QPageSize(QPageSize::A4),
                         controller.TreeSheetCalls(), FilePath()});
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

void BM_PrintAllSheetsToPdfProcess(benchmark::State& state) {
    Program& program = TheProgram();
    const std::string output = program.Home() + "/out.pdf";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const testing::ProcessResult result = testing::RunProcess(
            ORVANE_CLI_PATH, {"print", program.FilePath(), "--all", "-o", output},
            {"HOME=" + program.Home(), "XDG_CONFIG_HOME=" + program.Home() + "/config"});
        const auto elapsed = std::chrono::steady_clock::now() - start;
        if (result.exitCode != 0) {
            state.SkipWithError("orvane-cli print failed");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
    }
}
BENCHMARK(BM_PrintAllSheetsToPdfProcess)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_OpenPreviewOfAllSheets(benchmark::State& state) {
    Program& program = TheProgram();
    for (auto _ : state) {
        const std::unique_ptr<PrintPreview> preview = program.OpenPreview();
        if (preview->PageCount() < 14) {
            state.SkipWithError("the preview lacks pages");
            break;
        }
        state.counters["pages"] = preview->PageCount();
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPreviewOfAllSheets)->Unit(benchmark::kMillisecond);

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
