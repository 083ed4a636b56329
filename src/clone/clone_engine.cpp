#include "clone/clone_engine.h"

#include <algorithm>

#include "clone/clone_script.h"

namespace orvane {
namespace {

constexpr std::int32_t kCompactAbove = 4096;

bool IsBcd(std::uint8_t byte) { return (byte >> 4) <= 9 && (byte & 0x0F) <= 9; }

}  // namespace

CloneEngine::CloneEngine(const CloneEnvironment& environment)
    : environment_(environment),
      port_(environment.timers, environment.device, environment.locator),
      task_(MakeTask(environment.timers)),
      inactivity_(environment.clock),
      scriptDelay_(environment.clock) {
    task_->SetCallback([this](cmcTask&) { Tick(); });
}

// The task goes first (its callback is dropped at once), then the port closes.
CloneEngine::~CloneEngine() { task_.reset(); }

bool CloneEngine::StartInformation(Completion completion) {
    return Start(CloneOperation::Information, std::move(completion));
}

bool CloneEngine::StartRead(std::span<const AddressRange> ranges, Completion completion) {
    if (!IsIdle()) {
        return false;
    }
    auto active = ActiveRanges(ranges);
    ranges_.assign(active.begin(), active.end());
    return Start(CloneOperation::Read, std::move(completion));
}

bool CloneEngine::StartWrite(const EepromImage& image, std::span<const AddressRange> ranges,
                             Completion completion) {
    if (!IsIdle()) {
        return false;
    }
    auto active = ActiveRanges(ranges);
    ranges_.assign(active.begin(), active.end());
    rangeIndex_ = 0;
    address_ = ranges_.empty() ? 0 : ranges_.front().start;
    Start(CloneOperation::Write, std::move(completion));
    std::int32_t common = std::min(image.Size(), result_->image.Size());
    if (common > 0) {
        result_->image.WriteBlock(0, image.Bytes().first(static_cast<std::size_t>(common)));
    }
    return true;
}

bool CloneEngine::Start(CloneOperation operation, Completion completion) {
    if (!IsIdle()) {
        return false;
    }
    completion_ = std::move(completion);
    rawBytes_ = 0;
    frameCount_ = 0;
    dataBytes_ = 0;
    operation_ = operation;

    result_ = std::make_unique<CloneResult>();
    result_->operation = operation;
    result_->error = clone_error::kPortOpen;
    result_->modelCode = config_.modelCode;
    result_->modelVersion = config_.modelVersion;
    result_->image.Resize(config_.imageSize);
    result_->received.Reset(config_.imageSize);

    state_ = kStart;
    task_->Start(kStepMs);
    return true;
}

void CloneEngine::Tick() {
    if (state_ != kIdle) {
        Step();
    }
    if (state_ != kIdle && port_.WriteError()) {
        result_->error = clone_error::kShortWrite;
        state_ = kEnd;
    }
    if (state_ == kEnd) {
        Finish();
    }
    if (state_ == kIdle) {
        task_->Stop();
    }
}

void CloneEngine::Finish() {
    port_.Close();
    state_ = kIdle;
    std::unique_ptr<CloneResult> result = std::move(result_);
    receive_.Clear();
    echo_.Clear();
    assembler_.Clear();
    outgoing_.Clear();
    // The callback may start the next operation at once.
    Completion completion = std::move(completion_);
    completion_ = nullptr;
    if (completion) {
        completion(*result);
    }
}

void CloneEngine::Step() {
    const State run = state_;
    StepOutcome outcome{Following(run)};
    const bool expired = inactivity_.Remaining() == 0;
    bool act = true;

    if (!config_.echoCheck) {
        echo_.Clear();
    } else if (run != kDrain && echo_.Length() > 0) {
        ReadIntoReceive();
        while (echo_.Length() > 0 && receive_.Length() > 0) {
            if (echo_.At(0) != receive_.At(0)) {
                result_->error = clone_error::kPortAccess;
                outcome.next = kDrain;
                act = false;
                break;
            }
            echo_.PopFront();
            receive_.PopFront();
            outcome.progress = true;
        }
        // While sending data a little echo may lag behind; everywhere else the radio
        // answers only after the whole request has passed the wire.
        const std::int32_t backlog = run == kSendData ? kEchoBacklogWhileSending : 0;
        if (act && echo_.Length() > backlog) {
            outcome.next = run;
            act = false;
        }
    }
    if (act) {
        Act(run, outcome);
    }

    if (outcome.next != run) {
        outcome.progress = true;
    }
    if (outcome.progress) {
        std::uint32_t timeout = config_.replyTimeoutMs;
        if ((outcome.next == kScript && !config_.script.empty()) || outcome.scriptSent) {
            timeout = config_.scriptTimeoutMs;
        } else if (outcome.next == kReceiveAcknowledge) {
            timeout = config_.finalTimeoutMs;
        }
        inactivity_.Arm(timeout);
    } else if (expired) {
        outcome.next = kDrain;
        if (run == kReceiveAcknowledge) {
            // The data went out: without its acknowledgement the write is in doubt.
            result_->error = clone_error::kWriteRefused;
        } else {
            result_->error = config_.echoCheck && echo_.Length() > 0 ? clone_error::kPortAccess
                                                                     : clone_error::kNoAnswer;
        }
    }

    if (receive_.Length() > kCompactAbove) {
        receive_.Compact();
    }
    if (echo_.Length() > kCompactAbove) {
        echo_.Compact();
    }
    state_ = outcome.next;
}

void CloneEngine::Act(State run, StepOutcome& outcome) {
    switch (run) {
        case kStart:
            break;
        case kScript:
            RunScript(outcome);
            break;
        case kScriptDelay:
            if (scriptDelay_.Remaining() > 0) {
                outcome.next = run;
                outcome.progress = true;
            } else {
                echo_.Clear();
                receive_.Clear();
            }
            break;
        case kOpenLink:
            if (!OpenPort(config_.linkSettings)) {
                outcome.next = kDrain;
            } else if (operation_ == CloneOperation::Information) {
                outcome.next = kSendInformationRequest;
            } else if (operation_ == CloneOperation::Read) {
                outcome.next = kSendReadRequest;
            } else {
                outcome.next = kSendWriteRequest;
            }
            break;
        case kSendInformationRequest:
            SendRequest(kInformationRequest);
            assembler_.Clear();
            break;
        case kReceiveInformation: {
            cmcBuff frame;
            if (TakeLastFrame(frame)) {
                CheckInformationFrame(frame);
                outcome.next = kDrain;
            } else {
                outcome.next = run;
            }
            break;
        }
        case kSendReadRequest:
            SendRequest(kReadRequest);
            break;
        case kReceiveData:
            ReceiveData(outcome);
            break;
        case kSendWriteRequest:
            SendRequest(kWriteRequest);
            break;
        case kSendData:
            SendData(run, outcome);
            break;
        case kSendEnd: {
            cmcBuff end;
            AppendEndFrame(end, FrameRoute::ToRadio, config_.countSuffix, frameCount_);
            Send(end);
            outcome.progress = true;
            break;
        }
        case kReceiveAcknowledge: {
            cmcBuff frame;
            if (TakeLastFrame(frame)) {
                const std::uint8_t acknowledged[] = {kFrameStart, kProgramAddress, kRadioAddress,
                                                     kWriteAcknowledge, 0x00};
                bool good =
                    frame.Length() == sizeof acknowledged &&
                    std::equal(acknowledged, acknowledged + sizeof acknowledged, frame.Data());
                result_->error = good ? clone_error::kOk : clone_error::kWriteRefused;
                outcome.next = kDrain;
            } else {
                outcome.next = run;
            }
            break;
        }
        case kDrain:
            outcome.next = port_.PendingOutput() > 0 ? run : kEnd;
            break;
        default:
            outcome.next = kIdle;
            break;
    }
}

void CloneEngine::RunScript(StepOutcome& outcome) {
    if (!config_.script.empty()) {
        ScriptGroup group = TakeScriptGroup(config_.script);
        if (group.kind == ScriptGroup::Kind::Settings) {
            if (!OpenPort(group.settings)) {
                config_.script.clear();
                outcome.next = kDrain;
                return;
            }
        } else {
            cmcBuff bytes;
            bytes.Assign(group.bytes.data(), static_cast<std::int32_t>(group.bytes.size()));
            Send(bytes);
            outcome.progress = true;
            outcome.scriptSent = true;
        }
    }
    if (!config_.script.empty() || port_.PendingOutput() > 0) {
        outcome.next = kScript;
        outcome.progress = true;
        return;
    }
    scriptDelay_.Arm(config_.scriptDelayMs);
    config_.scriptDelayMs = 0;
}

bool CloneEngine::OpenPort(const std::string& settings) {
    port_.Close();
    if (!port_.Open(config_.portNumber, settings)) {
        result_->error = clone_error::kPortOpen;
        result_->portFailure = port_.OpenFailure();
        result_->portFailureIsPermission = port_.OpenFailureIsPermission();
        return false;
    }
    PurgeInput();
    return true;
}

void CloneEngine::PurgeInput() {
    environment_.waiter.Wait(kSettleMs);
    std::uint8_t discarded;
    for (std::int32_t count = 0; count < kMostPurgedBytes && port_.InputWaiting() > 0; ++count) {
        port_.Read(&discarded, 1);
    }
}

void CloneEngine::Send(const cmcBuff& bytes) {
    port_.Write(bytes.Data(), bytes.Length());
    echo_.AppendBuffer(bytes);
    rawBytes_ += bytes.Length();
}

void CloneEngine::SendRequest(std::uint8_t command) {
    cmcBuff frame;
    AppendRequestFrame(frame, command, config_.modelCode, config_.modelVersion,
                       config_.requestPreamble);
    Send(frame);
}

void CloneEngine::ReadIntoReceive() {
    std::uint8_t chunk[kReadChunk];
    std::int32_t count = port_.Read(chunk, kReadChunk);
    if (count > 0) {
        receive_.Append(chunk, count);
        rawBytes_ += count;
    }
}

bool CloneEngine::TakeLastFrame(cmcBuff& frame) {
    ReadIntoReceive();
    bool found = false;
    while (receive_.Length() > 0) {
        auto byte = static_cast<std::uint8_t>(receive_.PopFront());
        if (assembler_.Feed(byte) == FrameAssembler::Event::Complete) {
            frame.Copy(assembler_.Frame());
            found = true;
        } else if (assembler_.Frame().Length() > kLongestReplyFrame) {
            // An endless frame is dropped and stands as one byte no check accepts.
            frame.Clear();
            frame.AppendByte(0x00);
            found = true;
            assembler_.Clear();
        }
    }
    return found;
}

void CloneEngine::CheckInformationFrame(const cmcBuff& frame) {
    const std::uint8_t* bytes = frame.Data();
    bool good = frame.Length() > 7 && bytes[0] == kFrameStart && bytes[1] == kProgramAddress &&
                bytes[2] == kRadioAddress && bytes[3] == kInformationReply;
    for (std::int32_t i = 4; good && i < 8; ++i) {
        good = IsBcd(bytes[i]);
    }
    if (!good) {
        result_->error = clone_error::kIllegalData;
        return;
    }
    result_->modelCode = static_cast<std::uint16_t>(bytes[4] << 8 | bytes[5]);
    result_->modelVersion = static_cast<std::uint16_t>(bytes[6] << 8 | bytes[7]);
    result_->identity.assign(bytes + 8, bytes + frame.Length());
    result_->error = clone_error::kOk;
}

void CloneEngine::ReceiveData(StepOutcome& outcome) {
    outcome.next = kReceiveData;
    ReadIntoReceive();
    while (receive_.Length() > 0) {
        auto byte = static_cast<std::uint8_t>(receive_.PopFront());
        if (assembler_.Feed(byte) == FrameAssembler::Event::Complete) {
            int check = CheckDataPhaseFrame(assembler_.Frame());
            if (check == kGoodDataFrame) {
                ++frameCount_;
                outcome.progress = true;
                continue;
            }
            result_->error = check == kGoodEndFrame
                                 ? CheckCoverage(result_->received, ranges_, config_.imageSize)
                                 : check;
            outcome.next = kDrain;
            return;
        }
        if (assembler_.Frame().Length() >= kLongestDataFrame) {
            result_->error = clone_error::kIllegalData;
            outcome.next = kDrain;
            return;
        }
    }
}

int CloneEngine::CheckDataPhaseFrame(const cmcBuff& frame) {
    const std::int32_t length = frame.Length();
    const std::uint8_t* bytes = frame.Data();
    if (length < 12 || length > kLongestDataFrame || bytes[0] != kFrameStart ||
        bytes[1] != kProgramAddress || bytes[2] != kRadioAddress) {
        return clone_error::kIllegalData;
    }
    std::span<const std::uint8_t> payload(bytes + 4, static_cast<std::size_t>(length - 4));
    if (bytes[3] == kDataFrame) {
        auto decoded = DecodeHexText(payload);
        return decoded ? CheckDataFrame(*decoded) : clone_error::kIllegalData;
    }
    if (bytes[3] == kEndFrame) {
        return CheckEndFrame(payload);
    }
    return clone_error::kIllegalData;
}

int CloneEngine::CheckDataFrame(const std::vector<std::uint8_t>& decoded) {
    const std::int32_t count = decoded[2];
    unsigned sum = 0;
    for (std::uint8_t byte : decoded) {
        sum += byte;
    }
    if (static_cast<std::int32_t>(decoded.size()) != count + 4 || sum % 256 != 0) {
        return clone_error::kIllegalData;
    }
    const std::int32_t address = decoded[0] << 8 | decoded[1];
    if (count > 0 && (address + count - 1 >= config_.imageSize ||
                      !result_->image.InRange(address + count - 1))) {
        return clone_error::kDataOverflow;
    }
    for (std::int32_t i = 0; i < count; ++i) {
        result_->image.SetByte(address + i, decoded[3 + static_cast<std::size_t>(i)]);
        result_->received.Set(address + i);
    }
    dataBytes_ += count;
    return kGoodDataFrame;
}

int CloneEngine::CheckEndFrame(std::span<const std::uint8_t> payload) const {
    const std::string expected = EndFrameText(config_.countSuffix, frameCount_);
    if (payload.size() != expected.size() ||
        !std::equal(kMakerText.begin(), kMakerText.end(), payload.begin())) {
        return clone_error::kIllegalData;
    }
    return std::equal(expected.begin(), expected.end(), payload.begin()) ? kGoodEndFrame
                                                                         : clone_error::kDataCount;
}

void CloneEngine::SendData(State run, StepOutcome& outcome) {
    outcome.next = kSendData;
    for (int pass = 0; pass < kFramesPerStep; ++pass) {
        if (rangeIndex_ >= ranges_.size()) {
            if (outgoing_.Length() == 0) {
                if (port_.PendingOutput() == 0) {
                    outcome.next = kSendEnd;
                }
                break;
            }
        } else if (address_ > ranges_[rangeIndex_].end) {
            if (++rangeIndex_ < ranges_.size()) {
                address_ = ranges_[rangeIndex_].start;
            }
        } else {
            AppendNextDataFrame();
        }
        if (outcome.next != run || outgoing_.Length() == 0 ||
            port_.PendingOutput() > 4 * outgoing_.Length()) {
            break;
        }
        Send(outgoing_);
        outgoing_.Clear();
        outcome.progress = true;
    }
}

void CloneEngine::AppendNextDataFrame() {
    const std::int32_t dataSize = std::clamp(config_.dataSize, 1, 255);
    const std::int32_t end = ranges_[rangeIndex_].end;
    const std::int32_t count = std::min(dataSize - address_ % dataSize, end - address_ + 1);
    std::vector<std::uint8_t> data(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        data[static_cast<std::size_t>(i)] = result_->image.GetByte(address_ + i);
    }
    AppendDataFrame(outgoing_, FrameRoute::ToRadio, static_cast<std::uint16_t>(address_), data,
                    config_.dataPreamble);
    ++frameCount_;
    address_ += count;
    dataBytes_ += count;
}

}  // namespace orvane
