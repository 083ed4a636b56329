// What a user waits for when a file opens: the open command with the fitting pass and the
// tree filter, through the main controller; and "orvane-cli show FILE "Bank 0"" as a
// whole process, start-up and exit included; and "orvane-cli diff" of two such files, every
// sheet drawn for each (under 60 ms). All on a file whose every channel is used.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>

#include "cli/console_prompter.h"
#include "cli/controller_session.h"
#include "image/image_layout.h"
#include "radio/bank_table.h"
#include "radio/channel_store.h"
#include "support/process_runner.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

// A scratch home for the settings the session reads, and a full file in it.
class FullFile {
public:
    FullFile() : directory_(fs::temp_directory_path() / ("orvane-bench-" + std::to_string(getpid()))) {
        fs::create_directories(directory_);
        setenv("HOME", directory_.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (directory_ / "config").c_str(), 1);
        std::ostringstream ignored;
        cli::ConsolePrompter prompter(ignored);
        cli::ControllerSession session{cli::SessionOptions(prompter)};
        MainController& controller = session.Controller();
        EepromImage& image = controller.CurrentDocument().Current();
        ChannelStore channels(image, controller.ModelType());
        for (int position = 0; position < kChannelCount; ++position) {
            MemoryChannel channel = channels.Load(MemoryChannel::kMemory, position);
            channel.used = true;
            channel.rxHz = 118'000'000 + static_cast<Hertz>(position) * 50'000;
            channel.txHz = channel.rxHz;
            channels.Store(channel);
        }
        if (!controller.Files().SaveFile(Path())) {
            std::abort();
        }
    }
    ~FullFile() { fs::remove_all(directory_); }

    std::string Path() const { return (directory_ / "full.zcf").string(); }

private:
    fs::path directory_;
};

const FullFile& TheFile() {
    static const FullFile file;
    return file;
}

void BM_OpenFile(benchmark::State& state) {
    const std::string path = TheFile().Path();
    std::ostringstream ignored;
    cli::ConsolePrompter prompter(ignored);
    cli::ControllerSession session{cli::SessionOptions(prompter)};
    FileCommands& files = session.Controller().Files();
    for (auto _ : state) {
        if (!files.OpenFile(path)) {
            state.SkipWithError("the file did not open");
            break;
        }
    }
}
BENCHMARK(BM_OpenFile)->Unit(benchmark::kMicrosecond);

void BM_ShowBankProcess(benchmark::State& state) {
    const std::string path = TheFile().Path();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const testing::ProcessResult result =
            testing::RunProcess(ORVANE_CLI_PATH, {"show", path, "Bank 0"});
        const auto elapsed = std::chrono::steady_clock::now() - start;
        if (result.exitCode != 0) {
            state.SkipWithError("orvane-cli show failed");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
    }
}
BENCHMARK(BM_ShowBankProcess)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_DiffProcess(benchmark::State& state) {
    const std::string path = TheFile().Path();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const testing::ProcessResult result =
            testing::RunProcess(ORVANE_CLI_PATH, {"diff", path, path});
        const auto elapsed = std::chrono::steady_clock::now() - start;
        if (result.exitCode != 0) {
            state.SkipWithError("orvane-cli diff found differences or failed");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
    }
}
BENCHMARK(BM_DiffProcess)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
