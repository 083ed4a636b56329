#include "simulated_radio.h"

#include <algorithm>
#include <array>

namespace orvane::sim {
namespace {

// The speed change: model code, 0000, then 00 00 02 01.
constexpr std::array<std::uint8_t, 4> kSpeedChangeTail = {0x00, 0x00, 0x02, 0x01};
// The adjust-mode entry: model code, model version, 00, 00 00, the access text.
constexpr std::size_t kAdjustEntryLength = 2 + 2 + 1 + 2 + 14;

// The adjust-mode access text, kept reversed and masked so that it does not stand in the
// simulator whole either.
std::array<std::uint8_t, 14> AccessText() {
    constexpr std::array<std::uint8_t, 14> kMasked = {0x6B, 0x6A, 0x6A, 0x77, 0x10, 0x1E, 0x1B,
                                                      0x77, 0x1F, 0x14, 0x1B, 0x0C, 0x08, 0x15};
    std::array<std::uint8_t, 14> text{};
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<std::uint8_t>(kMasked[text.size() - 1 - i] ^ 0x5A);
    }
    return text;
}

std::uint8_t Bcd(int value) {
    return static_cast<std::uint8_t>((value / 10 % 10) << 4 | value % 10);
}

void AppendFixedText(std::vector<std::uint8_t>& out, const std::string& text, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        out.push_back(static_cast<std::uint8_t>(i < text.size() ? text[i] : ' '));
    }
}

void Emit(const Bytes& frame, std::vector<std::uint8_t>& out) {
    out.insert(out.end(), frame.begin(), frame.end());
}

// The start of a payload as text, to say which frame a violation is about.
std::string Excerpt(const Bytes& payload) {
    std::string text;
    for (std::size_t i = 0; i < payload.size() && i < 12; ++i) {
        const std::uint8_t c = payload[i];
        text += c >= 0x20 && c <= 0x7E ? static_cast<char>(c) : '.';
    }
    return payload.size() > 12 ? text + "..." : text;
}

}  // namespace

std::uint8_t DefaultFlagsA(int modelType) {
    const int vor = modelType & 1;
    const int wx = (modelType >> 1) & 1;
    const int export_ = (modelType >> 2) & 1;
    // Export variant, option A1, VOR, WX, duplex, name display, TOT-off allowed.
    return static_cast<std::uint8_t>(export_ | 0x02 | vor << 2 | wx << 3 | 0x10 | 0x20 | 0x40);
}

SimulatedRadio::SimulatedRadio(RadioSetup setup, Memory memory, StoreWrite storeWrite)
    : setup_(std::move(setup)), memory_(std::move(memory)), storeWrite_(std::move(storeWrite)) {
    memory_.resize(kMemorySize, 0x00);
}

void SimulatedRadio::Reset() {
    receiver_.Clear();
    outsideReported_ = false;
    baud_ = kNormalBaud;
    writing_ = false;
}

void SimulatedRadio::Violation(std::string text) { violations_.push_back(std::move(text)); }

std::vector<std::uint8_t> SimulatedRadio::Identity() const {
    std::vector<std::uint8_t> identity;
    AppendFixedText(identity, setup_.comment, kIdentityFlags - kIdentityComment);
    identity.push_back(setup_.flagsA);
    identity.push_back(setup_.flagsB);
    identity.push_back(setup_.flagsC);
    AppendFixedText(identity, setup_.firmware, kIdentityVersion - kIdentityFirmware);
    AppendFixedText(identity, setup_.version, kIdentitySize - kIdentityVersion);
    identity.resize(static_cast<std::size_t>(std::max(setup_.identityLength, 0)), ' ');
    return identity;
}

int SimulatedRadio::ReportedVersion() const {
    if (adjustMode_) {
        return AdjustModeVersionOf(setup_.modelType);
    }
    return setup_.versionCode >= 0 ? setup_.versionCode : ModelVersionOf(setup_.modelType);
}

void SimulatedRadio::Receive(std::uint8_t byte, std::vector<std::uint8_t>& out) {
    // A radio that does not answer hears nothing either.
    if (hungUp_ || setup_.faults.noAnswer) {
        return;
    }
    std::string fault;
    std::optional<ReceivedFrame> frame = receiver_.Feed(byte, fault);
    if (!fault.empty()) {
        Violation("framing: " + fault);
    }
    if (frame) {
        OnFrame(*frame, out);
    }
}

void SimulatedRadio::OnFrame(const ReceivedFrame& frame, std::vector<std::uint8_t>& out) {
    if (frame.command != kDataFrame) {
        outsideReported_ = false;
    }
    if (frame.receiver != kRadioAddress || frame.sender != kProgramAddress) {
        Violation(Format("frame %02X %02X %02X: a frame to the radio is addressed EE from EF",
                         frame.receiver, frame.sender, frame.command));
        return;
    }
    switch (frame.command) {
        case kInformationRequest: {
            if (!TakeRequest(frame, "information request E0")) {
                return;
            }
            const int version = ReportedVersion();
            Bytes payload{static_cast<std::uint8_t>(setup_.modelCode >> 8),
                          static_cast<std::uint8_t>(setup_.modelCode), Bcd(version / 100),
                          Bcd(version)};
            Bytes identity = Identity();
            payload.insert(payload.end(), identity.begin(), identity.end());
            Emit(RadioFrame(kInformationReply, payload), out);
            baud_ = kNormalBaud;
            return;
        }
        case kReadRequest:
            if (TakeRequest(frame, "read request E2")) {
                ServeRead(out);
                baud_ = kNormalBaud;
            }
            return;
        case kWriteRequest:
            if (TakeRequest(frame, "write request E3")) {
                writing_ = true;
                writeFailed_ = false;
                framesThisTransfer_ = 0;
                pending_ = memory_;
            }
            return;
        case kDataFrame:
            TakeData(frame);
            return;
        case kEndFrame:
            FinishWrite(frame, out);
            return;
        case kSetupFrame:
            OnSetup(frame);
            return;
        default:
            Violation(Format("command %02X is not one the program sends (E0, E2, E3, E4, E5, E8)",
                             frame.command));
            return;
    }
}

bool SimulatedRadio::TakeRequest(const ReceivedFrame& frame, const char* name) {
    bool good = true;
    const int wakeUp = baud_ == kHighBaud ? kRequestWakeUpHigh : kRequestWakeUpNormal;
    if (frame.wakeUp < wakeUp) {
        Violation(Format("%s: %d FE before its FE FE at %u baud; the radio wakes on %d", name,
                         frame.wakeUp, baud_, wakeUp));
        good = false;
    }
    if (frame.payload.size() != 4) {
        Violation(Format("%s: a payload of %zu bytes; it is the model code and version, 4 bytes",
                         name, frame.payload.size()));
        return false;
    }
    const int code = frame.payload[0] << 8 | frame.payload[1];
    const int version = frame.payload[2] << 8 | frame.payload[3];
    if (code != kFamilyCode) {
        Violation(Format("%s: model code %04X; the family code is %04X", name, code, kFamilyCode));
        good = false;
    }
    if (version != 0) {
        Violation(Format("%s: model version %04X; requests carry 0000", name, version));
        good = false;
    }
    // A radio of another family ignores what is not meant for it; it still says who it is.
    return good && (frame.command == kInformationRequest || code == setup_.modelCode);
}

void SimulatedRadio::OnSetup(const ReceivedFrame& frame) {
    const Bytes& payload = frame.payload;
    if (frame.wakeUp < kSetupWakeUp) {
        Violation(Format("setup frame E8: %d FE before its FE FE; the scripts send 20 FE in all",
                         frame.wakeUp));
        return;
    }
    if (payload.size() < 4) {
        Violation(Format("setup frame E8: a payload of %zu bytes", payload.size()));
        return;
    }
    const int code = payload[0] << 8 | payload[1];
    const int value = payload[2] << 8 | payload[3];
    if (code != kFamilyCode) {
        Violation(
            Format("setup frame E8: model code %04X; the family code is %04X", code, kFamilyCode));
        return;
    }
    if (code != setup_.modelCode) {
        return;
    }
    if (payload.size() == 4 + kSpeedChangeTail.size() &&
        std::equal(kSpeedChangeTail.begin(), kSpeedChangeTail.end(), payload.begin() + 4)) {
        if (value != 0) {
            Violation(Format("speed change E8: second field %04X; it is 0000", value));
            return;
        }
        baud_ = kHighBaud;
        return;
    }
    const auto access = AccessText();
    if (payload.size() == kAdjustEntryLength && payload[4] == 0 && payload[5] == 0 &&
        payload[6] == 0) {
        if (!std::equal(access.begin(), access.end(), payload.end() - 14)) {
            Violation("adjust-mode entry E8: the access text is not the radio's");
        } else if (value != 1 && value != 4 && value != 5) {
            Violation(Format("adjust-mode entry E8: model version %04X; it is 1, 4 or 5", value));
        } else {
            adjustMode_ = true;
        }
        return;
    }
    Violation(
        Format("setup frame E8: neither a speed change nor an adjust-mode entry (%zu "
               "bytes)",
               payload.size()));
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
    for (std::int32_t address = 0; address < kCloneAreaSize;) {
        const std::int32_t count =
            std::min(kDataFrameLimit - address % kDataFrameLimit, kCloneAreaSize - address);
        Bytes frame =
            RadioDataFrame(static_cast<std::uint16_t>(address),
                           std::span<const std::uint8_t>(memory_.data() + address,
                                                         static_cast<std::size_t>(count)));
        if (setup_.faults.badChecksum && framesThisTransfer_ == 2) {
            // The checksum's low digit, just before FD, turned into another digit.
            std::uint8_t& digit = frame[frame.size() - 2];
            digit = digit == '0' ? '1' : '0';
        }
        Emit(frame, out);
        address += count;
        if (!CountFrame()) {
            return;
        }
    }
    Emit(RadioEndFrame(framesThisTransfer_ + (setup_.faults.wrongCount ? 1 : 0)), out);
}

void SimulatedRadio::TakeData(const ReceivedFrame& frame) {
    if (!writing_) {
        // Once for a run of them: they follow from the write request the radio did not take.
        if (!outsideReported_) {
            Violation(Format("data frame E4 %s: no write request came before it",
                             Excerpt(frame.payload).c_str()));
            outsideReported_ = true;
        }
        return;
    }
    const std::string name =
        Format("data frame %lld of the write (E4 %s)",
               static_cast<long long>(framesThisTransfer_ + 1), Excerpt(frame.payload).c_str());
    const int wakeUp = baud_ == kHighBaud ? kDataWakeUpHigh : 0;
    if (frame.wakeUp < wakeUp) {
        Violation(Format("%s: %d FE before its FE FE at %u baud; the radio needs %d", name.c_str(),
                         frame.wakeUp, baud_, wakeUp));
        writeFailed_ = true;
    }
    std::string fault;
    std::optional<DataBlock> block = ReadDataPayload(frame.payload, fault);
    if (block) {
        const int address = block->address;
        const int count = static_cast<int>(block->data.size());
        if (count == 0) {
            fault = "no data bytes";
        } else if (count > kDataFrameLimit) {
            fault = Format("%d data bytes; at most %d", count, kDataFrameLimit);
        } else if (address % kDataFrameLimit + count > kDataFrameLimit) {
            fault = Format("%d bytes from %04X cross a multiple of %d", count, address,
                           kDataFrameLimit);
        } else if (address + count > kMemorySize) {
            fault = Format("%d bytes from %04X run past the radio's memory (%04X bytes)", count,
                           address, kMemorySize);
        } else {
            std::copy(block->data.begin(), block->data.end(), pending_.begin() + address);
        }
    }
    if (!fault.empty()) {
        Violation(name + ": " + fault);
        writeFailed_ = true;
    }
    CountFrame();
}

void SimulatedRadio::FinishWrite(const ReceivedFrame& frame, std::vector<std::uint8_t>& out) {
    const std::string text(frame.payload.begin(), frame.payload.end());
    if (!writing_) {
        Violation(Format("end frame E5 '%s': no write request came before it",
                         Excerpt(frame.payload).c_str()));
        return;
    }
    writing_ = false;
    const std::string expected = EndFrameText(framesThisTransfer_);
    if (text.compare(0, kMakerText.size(), kMakerText) != 0) {
        Violation(Format("end frame E5 '%s': it begins with the maker text '%s'",
                         Excerpt(frame.payload).c_str(), std::string(kMakerText).c_str()));
        writeFailed_ = true;
    } else if (text != expected) {
        const std::string count = text.substr(kMakerText.size());
        const bool decimal = count == std::to_string(framesThisTransfer_ % 256) ||
                             count == std::to_string(framesThisTransfer_);
        Violation(
            Format("end frame E5 counts '%s' after %lld data frames; the count is '%s', "
                   "two upper-case hex digits of the count modulo 256%s",
                   count.c_str(), static_cast<long long>(framesThisTransfer_),
                   expected.substr(kMakerText.size()).c_str(),
                   decimal ? " (this is the count in decimal)" : ""));
        writeFailed_ = true;
    }
    // A radio that refuses the data does not keep it.
    bool kept = !writeFailed_ && !setup_.faults.wrongAck;
    if (kept && storeWrite_) {
        kept = storeWrite_(pending_);
    }
    if (kept) {
        memory_ = pending_;
    }
    adjustMode_ = false;
    baud_ = kNormalBaud;
    const std::uint8_t status = kept ? 0x00 : 0x01;
    Emit(RadioFrame(kWriteAcknowledge, std::span<const std::uint8_t>(&status, 1)), out);
}

}  // namespace orvane::sim
