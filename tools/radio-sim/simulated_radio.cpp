#include "simulated_radio.h"

#include <algorithm>

#include "clone/clone_script.h"
#include "image/model_version.h"
#include "image/range_tables.h"

namespace orvane {
namespace {

constexpr std::int32_t kLongestFrame = 600;
constexpr std::uint8_t kSpeedChangeTail[] = {0x00, 0x00, 0x00, 0x00, 0x02, 0x01};
constexpr std::size_t kAdjustPayloadLength = 2 + 2 + 1 + 2 + 14;

std::uint8_t Bcd(int value) {
    return static_cast<std::uint8_t>((value / 10 % 10) << 4 | value % 10);
}

void AppendFixedText(std::vector<std::uint8_t>& out, const std::string& text, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        out.push_back(static_cast<std::uint8_t>(i < text.size() ? text[i] : ' '));
    }
}

void Emit(const cmcBuff& frame, std::vector<std::uint8_t>& out) {
    out.insert(out.end(), frame.Data(), frame.Data() + frame.Length());
}

}  // namespace

std::uint8_t DefaultFlagsA(int modelType) {
    const int vor = modelType & 1;
    const int wx = (modelType >> 1) & 1;
    const int export_ = (modelType >> 2) & 1;
    // Export variant, option A1, VOR, WX, duplex, name display, TOT-off allowed.
    return static_cast<std::uint8_t>(export_ | 0x02 | vor << 2 | wx << 3 | 0x10 | 0x20 | 0x40);
}

SimulatedRadio::SimulatedRadio(RadioSetup setup, EepromImage readImage,
                               std::function<bool(const EepromImage&)> storeWrite)
    : setup_(std::move(setup)),
      readImage_(std::move(readImage)),
      storeWrite_(std::move(storeWrite)) {}

void SimulatedRadio::Reset() {
    assembler_.Clear();
    baud_ = kNormalBaud;
    writing_ = false;
}

std::vector<std::uint8_t> SimulatedRadio::Identity() const {
    std::vector<std::uint8_t> identity;
    AppendFixedText(identity, setup_.comment, 16);
    identity.push_back(setup_.flagsA);
    identity.push_back(setup_.flagsB);
    identity.push_back(setup_.flagsC);
    AppendFixedText(identity, setup_.firmware, 4);
    AppendFixedText(identity, setup_.version, 4);
    identity.resize(static_cast<std::size_t>(std::max(setup_.identityLength, 0)), ' ');
    return identity;
}

std::uint16_t SimulatedRadio::ReportedVersion() const {
    if (adjustMode_) {
        return setup_.modelType >= 4 ? 8 : 4;
    }
    return static_cast<std::uint16_t>(setup_.versionCode >= 0 ? setup_.versionCode
                                                              : ModelVersion(setup_.modelType));
}

void SimulatedRadio::Receive(std::uint8_t byte, std::vector<std::uint8_t>& out) {
    // A radio that does not answer hears nothing either.
    if (hungUp_ || setup_.faults.noAnswer) {
        return;
    }
    if (assembler_.Feed(byte) == FrameAssembler::Event::Complete) {
        OnFrame(assembler_.Frame(), out);
    } else if (assembler_.Frame().Length() > kLongestFrame) {
        assembler_.Clear();
    }
}

void SimulatedRadio::OnFrame(const cmcBuff& frame, std::vector<std::uint8_t>& out) {
    const std::uint8_t* bytes = frame.Data();
    if (frame.Length() < 4 || bytes[1] != kRadioAddress || bytes[2] != kProgramAddress) {
        return;
    }
    std::vector<std::uint8_t> payload(bytes + 4, bytes + frame.Length());
    const bool ourCode = payload.size() >= 2 && (payload[0] << 8 | payload[1]) == setup_.modelCode;
    switch (bytes[3]) {
        case kInformationRequest: {
            cmcBuff reply;
            AppendFrameHead(reply, FrameRoute::FromRadio, kInformationReply, 0);
            const int version = ReportedVersion();
            const std::uint8_t head[] = {static_cast<std::uint8_t>(setup_.modelCode >> 8),
                                         static_cast<std::uint8_t>(setup_.modelCode),
                                         Bcd(version / 100), Bcd(version)};
            reply.Append(head, sizeof head);
            std::vector<std::uint8_t> identity = Identity();
            reply.Append(identity.data(), static_cast<std::int32_t>(identity.size()));
            reply.AppendByte(kFrameEnd);
            Emit(reply, out);
            baud_ = kNormalBaud;
            return;
        }
        case kReadRequest:
            if (ourCode) {
                ServeRead(out);
                baud_ = kNormalBaud;
            }
            return;
        case kWriteRequest:
            if (ourCode) {
                writing_ = true;
                writeFailed_ = false;
                framesThisTransfer_ = 0;
                written_.Resize(readImage_.Size());
            }
            return;
        case kDataFrame:
            if (writing_) {
                TakeData(payload);
            }
            return;
        case kEndFrame:
            if (writing_) {
                FinishWrite(payload, out);
            }
            return;
        case kSetupCommand:
            if (ourCode) {
                OnSetup(payload);
            }
            return;
        default:
            return;
    }
}

void SimulatedRadio::OnSetup(const std::vector<std::uint8_t>& payload) {
    if (payload.size() == 2 + sizeof kSpeedChangeTail &&
        std::equal(std::begin(kSpeedChangeTail), std::end(kSpeedChangeTail), payload.begin() + 2)) {
        baud_ = kHighBaud;
        return;
    }
    const std::vector<std::uint8_t> accessText = AdjustModeAccessText();
    if (payload.size() == kAdjustPayloadLength &&
        std::equal(accessText.begin(), accessText.end(), payload.end() - 14)) {
        adjustMode_ = true;
    }
}

bool SimulatedRadio::CountFrame() {
    ++framesThisTransfer_;
    if (setup_.faults.hangUpAfterFrames >= 0 &&
        framesThisTransfer_ >= setup_.faults.hangUpAfterFrames) {
        hungUp_ = true;
    }
    return !hungUp_;
}

void SimulatedRadio::ServeRead(std::vector<std::uint8_t>& out) {
    framesThisTransfer_ = 0;
    for (const AddressRange& range : ActiveRanges(ReadRanges())) {
        for (std::int32_t address = range.start; address <= range.end;) {
            const std::int32_t count =
                std::min(kFrameData - address % kFrameData, range.end - address + 1);
            std::vector<std::uint8_t> data(static_cast<std::size_t>(count));
            readImage_.ReadBlock(address, data);
            cmcBuff frame;
            AppendDataFrame(frame, FrameRoute::FromRadio, static_cast<std::uint16_t>(address), data,
                            0);
            if (setup_.faults.badChecksum && framesThisTransfer_ == 2) {
                // The checksum's low digit, just before FD, turned into another digit.
                std::uint8_t& digit = frame.At(frame.Length() - 2);
                digit = digit == '0' ? '1' : '0';
            }
            Emit(frame, out);
            address += count;
            if (!CountFrame()) {
                return;
            }
        }
    }
    cmcBuff end;
    AppendEndFrame(end, FrameRoute::FromRadio, true,
                   framesThisTransfer_ + (setup_.faults.wrongCount ? 1 : 0));
    Emit(end, out);
}

void SimulatedRadio::TakeData(const std::vector<std::uint8_t>& payload) {
    auto decoded = DecodeHexText(payload);
    unsigned sum = 0;
    if (decoded) {
        for (std::uint8_t byte : *decoded) {
            sum += byte;
        }
    }
    if (!decoded || decoded->size() < 4 || decoded->size() != (*decoded)[2] + 4u ||
        sum % 256 != 0) {
        writeFailed_ = true;
    } else {
        const std::int32_t address = (*decoded)[0] << 8 | (*decoded)[1];
        std::span<const std::uint8_t> data(decoded->data() + 3, (*decoded)[2]);
        if (!data.empty() &&
            !written_.InRange(address + static_cast<std::int32_t>(data.size()) - 1)) {
            writeFailed_ = true;
        } else if (!data.empty()) {
            written_.WriteBlock(address, data);
        }
    }
    CountFrame();
}

void SimulatedRadio::FinishWrite(const std::vector<std::uint8_t>& payload,
                                 std::vector<std::uint8_t>& out) {
    writing_ = false;
    const std::string expected = EndFrameText(true, framesThisTransfer_);
    const bool complete = !writeFailed_ && payload.size() == expected.size() &&
                          std::equal(expected.begin(), expected.end(), payload.begin());
    // A radio that refuses the data does not keep it.
    const bool kept = complete && !setup_.faults.wrongAck && storeWrite_(written_);
    adjustMode_ = false;
    baud_ = kNormalBaud;
    cmcBuff reply;
    AppendFrameHead(reply, FrameRoute::FromRadio, kWriteAcknowledge, 0);
    reply.AppendByte(kept ? 0x00 : 0x01);
    reply.AppendByte(kFrameEnd);
    Emit(reply, out);
}

}  // namespace orvane
