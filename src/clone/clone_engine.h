#pragma once
// The clone protocol: moves an image between the program and the radio as a state
// machine stepped every 10 ms, never blocking the user-interface thread. One operation
// (information, read or write) at a time; its CloneResult goes to the completion
// callback when it ends, successful or not.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "base/cmc_buff.h"
#include "base/cmc_task.h"
#include "base/deadline.h"
#include "clone/clone_config.h"
#include "clone/clone_environment.h"
#include "clone/clone_frames.h"
#include "clone/clone_result.h"
#include "clone/serial_port.h"
#include "image/address_range.h"

namespace orvane {

class CloneEngine {
public:
    using Completion = std::function<void(CloneResult&)>;

    // Limits on what a step does, so the single-wire line and the 1024-byte transmit
    // queue never overflow.
    static constexpr std::int32_t kReadChunk = 256;
    static constexpr int kFramesPerStep = 8;
    static constexpr std::int32_t kEchoBacklogWhileSending = 128;
    static constexpr std::int32_t kLongestDataFrame = 522;
    static constexpr std::int32_t kLongestReplyFrame = 520;
    static constexpr std::uint32_t kSettleMs = 100;
    static constexpr std::int32_t kMostPurgedBytes = 65535;
    static constexpr int kStepMs = 10;

    explicit CloneEngine(const CloneEnvironment& environment);
    ~CloneEngine();
    CloneEngine(const CloneEngine&) = delete;
    CloneEngine& operator=(const CloneEngine&) = delete;

    CloneConfig& Config() { return config_; }
    const CloneConfig& Config() const { return config_; }

    // Each refuses (false) while an operation runs. The range lists are copied; the
    // write copies the image.
    bool StartInformation(Completion completion);
    bool StartRead(std::span<const AddressRange> ranges, Completion completion);
    bool StartWrite(const EepromImage& image, std::span<const AddressRange> ranges,
                    Completion completion);

    bool IsIdle() const { return state_ == kIdle; }
    // Image bytes moved so far by the running operation, for the progress bar.
    std::int64_t DataBytes() const { return dataBytes_; }
    std::int64_t FrameCount() const { return frameCount_; }
    std::int64_t RawBytes() const { return rawBytes_; }

private:
    // The steps of an operation in the order they normally follow each other.
    enum class State {
        kIdle,
        kStart,
        kScript,
        kScriptDelay,
        kOpenLink,
        kSendInformationRequest,
        kReceiveInformation,
        kSendReadRequest,
        kReceiveData,
        kSendWriteRequest,
        kSendData,
        kSendEnd,
        kReceiveAcknowledge,
        kDrain,
        kEnd,
    };
    using enum State;
    static State Following(State state) {
        return state == kEnd ? kIdle : static_cast<State>(static_cast<int>(state) + 1);
    }
    // What checking a received data-phase frame gives besides an error code.
    static constexpr int kGoodDataFrame = 1;
    static constexpr int kGoodEndFrame = 0;

    struct StepOutcome {
        State next;
        bool progress = false;
        bool scriptSent = false;
    };

    bool Start(CloneOperation operation, Completion completion);
    void Tick();
    void Step();
    void Act(State run, StepOutcome& outcome);
    void Finish();

    void RunScript(StepOutcome& outcome);
    bool OpenPort(const std::string& settings);
    void PurgeInput();
    void Send(const cmcBuff& bytes);
    void SendRequest(std::uint8_t command);
    void ReadIntoReceive();
    // The last frame completed by what has arrived, or nothing.
    bool TakeLastFrame(cmcBuff& frame);
    void ReceiveData(StepOutcome& outcome);
    int CheckDataPhaseFrame(const cmcBuff& frame);
    int CheckDataFrame(const std::vector<std::uint8_t>& decoded);
    int CheckEndFrame(std::span<const std::uint8_t> payload) const;
    void CheckInformationFrame(const cmcBuff& frame);
    void SendData(State run, StepOutcome& outcome);
    void AppendNextDataFrame();

    CloneEnvironment environment_;
    SerialPort port_;
    CloneConfig config_;
    cmcTaskPtr task_;
    State state_ = kIdle;
    CloneOperation operation_ = CloneOperation::Information;
    std::unique_ptr<CloneResult> result_;
    Completion completion_;

    cmcBuff receive_;
    FrameAssembler assembler_;
    cmcBuff echo_;
    cmcBuff outgoing_;  // the data frames built and not yet handed to the port

    std::int64_t rawBytes_ = 0;
    std::int64_t frameCount_ = 0;
    std::int64_t dataBytes_ = 0;
    std::vector<AddressRange> ranges_;
    std::size_t rangeIndex_ = 0;
    std::int32_t address_ = 0;

    Deadline inactivity_;
    Deadline scriptDelay_;
};

}  // namespace orvane
