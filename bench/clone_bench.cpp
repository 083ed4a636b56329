// A full read and a full write against the simulated radio pacing the line at 9600 and
// at 38400 baud, timed against the wire-time limit: every byte on the shared line (the
// program's bytes, which the cable echoes, and the radio's answers) at ten bit times,
// plus the pauses the protocol itself prescribes (100 ms settling after each open, the
// 200 ms script delay).

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <chrono>

#include "base/cmc_buff.h"
#include "cli/clone_session.h"
#include "cli/given_device_locator.h"
#include "clone/clone_frames.h"
#include "clone/clone_script.h"
#include "image/default_images.h"
#include "image/image_layout.h"
#include "image/model_version.h"
#include "image/range_tables.h"
#include "platform/prompter.h"
#include "simulator_process.h"

namespace orvane {
namespace {

constexpr int kNormalRequestPreamble = 24;
constexpr int kHighRequestPreamble = 96;
constexpr int kHighDataPreamble = 48;
constexpr std::int32_t kFrameData = 32;
constexpr double kSettleMs = 100;
constexpr double kScriptDelayMs = 200;

QCoreApplication& Application() {
    static int argc = 1;
    static char name[] = "clone_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    return application;
}

class SilentPrompter final : public Prompter {
public:
    PromptAnswer Ask(const Prompt& prompt) override {
        lastText = prompt.text;
        return PromptAnswer::Ok;
    }
    std::string lastText;
};

// The data frames of a range list, built as the sender builds them.
std::int64_t DataFrameBytes(std::span<const AddressRange> ranges, FrameRoute route, int preamble) {
    std::int64_t total = 0;
    std::vector<std::uint8_t> data;
    for (const AddressRange& range : ActiveRanges(ranges)) {
        for (std::int32_t address = range.start; address <= range.end;) {
            std::int32_t count =
                std::min(kFrameData - address % kFrameData, range.end - address + 1);
            data.assign(static_cast<std::size_t>(count), 0);
            cmcBuff frame;
            AppendDataFrame(frame, route, static_cast<std::uint16_t>(address), data, preamble);
            total += frame.Length();
            address += count;
        }
    }
    return total;
}

std::int64_t EndFrameBytes() {
    cmcBuff frame;
    AppendEndFrame(frame, FrameRoute::ToRadio, true, 0);
    return frame.Length();
}

struct WireBudget {
    std::int64_t linkBytes = 0;    // at the link speed
    std::int64_t scriptBytes = 0;  // at 9600 before the speed change
    double pausesMs = 0;
};

WireBudget Budget(bool read, bool highSpeed) {
    constexpr std::int64_t kRequestFrame = 10;
    constexpr std::int64_t kAcknowledgeFrame = 7;
    WireBudget budget;
    std::int64_t request =
        (highSpeed ? kHighRequestPreamble : kNormalRequestPreamble) + kRequestFrame;
    if (read) {
        budget.linkBytes =
            request + DataFrameBytes(ReadRanges(), FrameRoute::FromRadio, 0) + EndFrameBytes();
    } else {
        budget.linkBytes = request +
                           DataFrameBytes(ExtendedWriteRanges(), FrameRoute::ToRadio,
                                          highSpeed ? kHighDataPreamble : 0) +
                           EndFrameBytes() + kAcknowledgeFrame;
    }
    budget.pausesMs = kSettleMs + kScriptDelayMs;
    if (highSpeed) {
        std::string script = SpeedChangeScript(kModelCode);
        TakeScriptGroup(script);
        budget.scriptBytes = static_cast<std::int64_t>(TakeScriptGroup(script).bytes.size());
        budget.pausesMs += kSettleMs;
    }
    return budget;
}

void RunTransfer(benchmark::State& state, bool read, bool highSpeed) {
    Application();
    const std::uint32_t baud = highSpeed ? 38400 : 9600;
    WireBudget budget = Budget(read, highSpeed);
    const double limitMs = static_cast<double>(budget.linkBytes) * 10'000.0 / baud +
                           static_cast<double>(budget.scriptBytes) * 10'000.0 / 9600 +
                           budget.pausesMs;
    EepromImage image;
    image.Resize(kImageCapacity);
    PrepareDefaultImage(image, 3);
    for (auto _ : state) {
        SimulatorProcess sim({"--pace"});
        cli::GivenDeviceLocator locator(sim.DevicePath());
        SilentPrompter prompter;
        cli::CloneSession session(locator, 1, highSpeed, prompter);
        auto started = std::chrono::steady_clock::now();
        int error =
            read ? session.RunRead(ReadRanges()) : session.RunWrite(image, ExtendedWriteRanges());
        double elapsedMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
                .count();
        if (error != 0) {
            state.SkipWithError(("transfer failed: " + prompter.lastText).c_str());
            return;
        }
        state.SetIterationTime(elapsedMs / 1000.0);
        state.counters["elapsed_ms"] = elapsedMs;
        state.counters["limit_ms"] = limitMs;
        state.counters["over_limit_pct"] = (elapsedMs / limitMs - 1.0) * 100.0;
        state.counters["wire_bytes"] = static_cast<double>(budget.linkBytes + budget.scriptBytes);
    }
}

void BM_Read9600(benchmark::State& state) { RunTransfer(state, true, false); }
void BM_Read38400(benchmark::State& state) { RunTransfer(state, true, true); }
void BM_Write9600(benchmark::State& state) { RunTransfer(state, false, false); }
void BM_Write38400(benchmark::State& state) { RunTransfer(state, false, true); }

BENCHMARK(BM_Read9600)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read38400)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write9600)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write38400)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
