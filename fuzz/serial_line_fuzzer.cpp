// Feeds arbitrary bytes, as a radio or a broken cable might send them, to the clone
// transport through a fake port during an information request, a read and a write, under
// virtual time. Besides the sanitizers it checks the transport's promises:
// - every operation ends, and within the inactivity timeout after the last thing that
//   happened on the line (a byte arriving or the engine sending);
// - the completion comes once, a failure carries a code from the table and shows one
//   message, a success shows none, and the finished message says which it was;
// - a success is one the bytes justify: an information reply whose identity arrived, a
//   read whose image covers exactly the ranges and whose end frame arrived with the
//   count, a write whose acknowledgement arrived. Nothing else is adopted.
//
// Input: one byte choosing the operation (bits 0-1), high speed (bit 2), adjust mode
// (bit 3), the range list (bits 4-5), a cable that does not echo, so that the input must
// bring the echo too (bit 6), and a driver that takes at most 64 bytes a write (bit 7);
// then chunks of [timing][length][bytes]. A timing with bit 7 set waits for the engine's
// next write; the low bits are a further delay in units of 8 ms. With ORVANE_FUZZ_VERBOSE
// set, each run says how it ended, which shows what a corpus reaches.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/message_bus.h"
#include "clone/busy_waiter.h"
#include "clone/clone_engine.h"
#include "clone/clone_manager.h"
#include "clone/clone_messages.h"
#include "fake_serial_device.h"
#include "fuzz_support.h"
#include "image/address_range.h"
#include "image/image_layout.h"
#include "image/range_tables.h"
#include "platform/prompter.h"
#include "support/virtual_time.h"
#include "text/text_store.h"

namespace orvane {
namespace {

using fuzz::AbortingFatalHandler;
using fuzz::CountingPrompter;
using fuzz::Require;

class FinishedRecorder final : public BusSubscriber {
public:
    void OnBusMessage(const BusMessage& message) override {
        if (message.kind == message::kCloneOperationFinished) {
            finished.push_back(static_cast<int>(message.int1));
        }
    }
    std::vector<int> finished;
};

// Virtual time for the timers, plus whatever the settling pauses waited.
class PausingClock final : public Clock, public BusyWaiter {
public:
    explicit PausingClock(const testing::VirtualTime& time) : time_(time) {}
    std::uint32_t TickCount() const override { return time_.TickCount() + paused_; }
    void Wait(std::uint32_t ms) override { paused_ += ms; }

private:
    const testing::VirtualTime& time_;
    std::uint32_t paused_ = 0;
};

struct Harness {
    Harness() {
        SetFatalHandler(&fatalHandler);
        texts.SetSource(MainResource());
    }
    AbortingFatalHandler fatalHandler;
    TextStore texts;
};

Harness& TheHarness() {
    static Harness harness;
    return harness;
}

struct Chunk {
    bool afterWrite = false;
    std::uint32_t delayMs = 0;
    std::vector<std::uint8_t> bytes;
};

constexpr std::size_t kMostChunks = 64;
constexpr std::uint32_t kDelayUnitMs = 8;

bool Contains(const std::vector<std::uint8_t>& haystack, const std::vector<std::uint8_t>& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
           haystack.end();
}

std::vector<std::uint8_t> FromRadio(std::uint8_t command, std::span<const std::uint8_t> payload) {
    std::vector<std::uint8_t> frame{0xFE, 0xEF, 0xEE, command};
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(0xFD);
    return frame;
}

// The range lists a read or write may be given: the real ones and small ones that a
// fuzzer can cover.
std::span<const AddressRange> Ranges(int choice, bool write) {
    static const AddressRange kTwo[] = {{0x0010, 0x0011}, kEndOfRanges};
    static const AddressRange kSplit[] = {{0x0000, 0x0003}, {0x0040, 0x0041}, kEndOfRanges};
    static const AddressRange kNone[] = {kEndOfRanges};
    switch (choice) {
        case 0:
            return kTwo;
        case 1:
            return kSplit;
        case 2:
            return kNone;
        default:
            return write ? WriteRanges() : ReadRanges();
    }
}

// What a success must rest on.
void CheckSuccess(const CloneResult& result, const CloneEngine& engine,
                  std::span<const AddressRange> ranges, const std::vector<std::uint8_t>& arrived) {
    switch (result.operation) {
        case CloneOperation::Information: {
            std::vector<std::uint8_t> payload{static_cast<std::uint8_t>(result.modelCode >> 8),
                                              static_cast<std::uint8_t>(result.modelCode),
                                              static_cast<std::uint8_t>(result.modelVersion >> 8),
                                              static_cast<std::uint8_t>(result.modelVersion)};
            payload.insert(payload.end(), result.identity.begin(), result.identity.end());
            Require(Contains(arrived, FromRadio(0xE1, payload)),
                    "a successful information request received its reply");
            break;
        }
        case CloneOperation::Read: {
            AddressBitMap expected;
            expected.Reset(result.image.Size());
            expected.SetRanges(ranges);
            Require(result.received == expected, "a successful read received exactly its ranges");
            std::vector<bool> inRanges(static_cast<std::size_t>(result.image.Size()), false);
            for (const AddressRange& range : ActiveRanges(ranges)) {
                for (std::int32_t a = range.start; a <= range.end; ++a) {
                    inRanges[static_cast<std::size_t>(a)] = true;
                }
            }
            for (std::int32_t a = 0; a < result.image.Size(); ++a) {
                Require(inRanges[static_cast<std::size_t>(a)] || result.image.GetByte(a) == 0,
                        "a successful read has nothing outside its ranges");
            }
            char count[3];
            std::snprintf(count, sizeof count, "%02X",
                          static_cast<unsigned>(engine.FrameCount() % 256));
            const std::string text = std::string("Zelk Inc.") + count;
            Require(Contains(arrived,
                             FromRadio(0xE5,
                                       std::span(reinterpret_cast<const std::uint8_t*>(text.data()),
                                                 text.size()))),
                    "a successful read received its end frame with the count");
            break;
        }
        case CloneOperation::Write: {
            const std::uint8_t ok = 0x00;
            Require(Contains(arrived, FromRadio(0xE6, std::span(&ok, 1))),
                    "a successful write received its acknowledgement");
            break;
        }
    }
}

}  // namespace
}  // namespace orvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    if (size < 1) {
        return 0;
    }
    Harness& harness = TheHarness();
    const int operation = data[0] & 3;
    if (operation == 3) {
        return 0;
    }
    const bool highSpeed = (data[0] >> 2) & 1;
    const bool adjustMode = (data[0] >> 3) & 1;
    const int rangeChoice = (data[0] >> 4) & 3;
    const bool echo = ((data[0] >> 6) & 1) == 0;
    const bool shortWrites = ((data[0] >> 7) & 1) != 0;

    std::deque<Chunk> chunks;
    for (std::size_t at = 1; at + 2 <= size && chunks.size() < kMostChunks;) {
        Chunk chunk;
        chunk.afterWrite = (data[at] & 0x80) != 0;
        chunk.delayMs = (data[at] & 0x7F) * kDelayUnitMs;
        const std::size_t length = std::min<std::size_t>(data[at + 1], size - at - 2);
        chunk.bytes.assign(data + at + 2, data + at + 2 + length);
        chunks.push_back(std::move(chunk));
        at += 2 + length;
    }

    testing::VirtualTime time;
    PausingClock clock(time);
    testing::FakeSerialDevice device;
    device.echo = echo;
    device.acceptLimit = shortWrites ? 64 : -1;
    testing::FixedPortLocator locator;
    MessageBus bus;
    FinishedRecorder recorder;
    bus.Subscribe(&recorder);
    CountingPrompter prompter;
    std::int32_t comPort = 1;
    std::int32_t comSpeedHigh = highSpeed ? 1 : 0;
    CloneManager manager({time, clock, clock, device, locator},
                         {harness.texts, prompter, bus, {comPort, comSpeedHigh}, nullptr});
    manager.SetModel(0x3074, 0);
    manager.SetImageSize(kImageCapacity);
    // The transport alone is under test: the results are not judged further.
    manager.SetInformationHandler([](CloneResult&) {});
    manager.SetReadHandler([](CloneResult&) {});
    if (adjustMode) {
        manager.EnterAdjustMode(3);
    }

    std::uint32_t lastActivity = 0;
    bool wrote = false;
    device.onWrite = [&](std::span<const std::uint8_t>) {
        lastActivity = time.TickCount();
        wrote = true;
    };

    int completions = 0;
    std::optional<CloneResult> finished;
    std::optional<EepromImage> adopted;
    auto completion = [&](CloneResult& result) {
        ++completions;
        finished = result;
        // What the clone commands do: take the data only from a success.
        if (result.error == clone_error::kOk && result.operation == CloneOperation::Read) {
            adopted = result.image;
        }
    };
    std::vector<std::uint8_t> pattern(kImageCapacity);
    for (std::size_t a = 0; a < pattern.size(); ++a) {
        pattern[a] = static_cast<std::uint8_t>(a * 7 + 3);
    }
    EepromImage image;
    image.Resize(kImageCapacity);
    image.WriteBlock(0, pattern);
    const std::span<const AddressRange> ranges = Ranges(rangeChoice, operation == 2);
    bool started = false;
    if (operation == 0) {
        started = manager.StartInformation(completion);
    } else if (operation == 1) {
        started = manager.StartRead(ranges, completion);
    } else {
        started = manager.StartWrite(image, ranges, completion);
    }
    Require(started, "an idle manager starts");

    // Silence after the last activity ends the operation within the longest inactivity
    // limit that can be armed: the final timeout while a write waits for its
    // acknowledgement, else the script or reply timeout.
    const CloneConfig& config = manager.Engine().Config();
    const std::uint32_t limit = operation == 2
                                    ? config.finalTimeoutMs
                                    : std::max(config.replyTimeoutMs, config.scriptTimeoutMs);
    constexpr std::uint32_t kSlackMs = 100;

    std::vector<std::uint8_t> arrived;
    std::optional<std::uint32_t> due;
    while (manager.IsBusy()) {
        if (!chunks.empty() && !due && (!chunks.front().afterWrite || wrote)) {
            due = time.TickCount() + chunks.front().delayMs;
        }
        if (due && time.TickCount() >= *due) {
            device.Feed(chunks.front().bytes);
            arrived.insert(arrived.end(), chunks.front().bytes.begin(), chunks.front().bytes.end());
            lastActivity = time.TickCount();
            chunks.pop_front();
            due.reset();
            wrote = false;
        }
        Require(time.TickCount() <= lastActivity + limit + kSlackMs,
                "the operation ends within the inactivity limit after the line falls quiet");
        // Up to the next delivery, at most one engine step at a time.
        std::uint32_t step = CloneEngine::kStepMs;
        if (due && *due > time.TickCount()) {
            step = std::min(step, *due - time.TickCount());
        } else if (due) {
            step = 1;
        }
        time.Advance(step);
    }
    bus.Pump();

    if (std::getenv("ORVANE_FUZZ_VERBOSE") != nullptr) {
        std::fprintf(stderr, "operation %d ended with code %d at %u ms\n", operation + 1,
                     finished ? finished->error : -1, time.TickCount());
    }
    Require(completions == 1, "the completion comes once");
    Require(finished.has_value(), "the result is handed on");
    const int error = finished->error;
    Require(error >= 0 && error <= clone_error::kLast, "the result carries a code of the table");
    Require(prompter.shown == (error == clone_error::kOk ? 0 : 1),
            "a failure shows one message, a success none");
    Require(recorder.finished == std::vector<int>{error == clone_error::kOk ? 1 : 0},
            "the finished message says whether the operation succeeded");
    Require(!device.IsOpen(), "the port is closed at the end");
    if (error == clone_error::kOk) {
        CheckSuccess(*finished, manager.Engine(), ranges, arrived);
    } else {
        Require(!adopted.has_value(), "nothing is adopted from a failure");
    }
    bus.Unsubscribe(&recorder);
    return 0;
}
