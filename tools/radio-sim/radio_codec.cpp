#include "radio_codec.h"

#include <cstdarg>
#include <cstdio>

#include "radio_protocol.h"

namespace orvane::sim {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, std::uint8_t value) {
    out += kDigits[value >> 4];
    out += kDigits[value & 0x0F];
}

int DigitValue(std::uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Printable(std::uint8_t c) {
    return c >= 0x20 && c <= 0x7E ? Format("'%c'", c) : Format("%02X", c);
}

}  // namespace

std::string Format(const char* format, ...) {
    char buffer[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return buffer;
}

std::string HexText(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::uint8_t byte : bytes) {
        AppendHexByte(text, byte);
    }
    return text;
}

std::uint8_t Checksum(std::span<const std::uint8_t> bytes) {
    unsigned sum = 0;
    for (std::uint8_t byte : bytes) {
        sum += byte;
    }
    return static_cast<std::uint8_t>(-sum & 0xFF);
}

Bytes RadioFrame(std::uint8_t command, std::span<const std::uint8_t> payload) {
    Bytes frame{kFrameStart, kFrameStart, kProgramAddress, kRadioAddress, command};
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(kFrameEnd);
    return frame;
}

Bytes RadioDataFrame(std::uint16_t address, std::span<const std::uint8_t> data) {
    Bytes block{static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
                static_cast<std::uint8_t>(data.size())};
    block.insert(block.end(), data.begin(), data.end());
    block.push_back(Checksum(block));
    std::string text = HexText(block);
    return RadioFrame(kDataFrame, Bytes(text.begin(), text.end()));
}

std::string EndFrameText(std::int64_t frameCount) {
    std::string text(kMakerText);
    AppendHexByte(text, static_cast<std::uint8_t>(frameCount % 256));
    return text;
}

Bytes RadioEndFrame(std::int64_t frameCount) {
    std::string text = EndFrameText(frameCount);
    return RadioFrame(kEndFrame, Bytes(text.begin(), text.end()));
}

std::optional<DataBlock> ReadDataPayload(std::span<const std::uint8_t> payload,
                                         std::string& fault) {
    if (payload.size() % 2 != 0) {
        fault = Format("an odd number of hex digits (%zu)", payload.size());
        return std::nullopt;
    }
    Bytes bytes;
    for (std::size_t i = 0; i < payload.size(); i += 2) {
        for (std::size_t k = i; k < i + 2; ++k) {
            if (DigitValue(payload[k]) >= 0) {
                continue;
            }
            const std::uint8_t c = payload[k];
            if (c >= 'a' && c <= 'f') {
                fault = Format(
                    "the lower-case hex digit '%c' at text position %zu (the radio "
                    "reads 0-9 and A-F only)",
                    c, k);
            } else {
                fault = Format("%s at text position %zu, not a hex digit", Printable(c).c_str(), k);
            }
            return std::nullopt;
        }
        bytes.push_back(
            static_cast<std::uint8_t>(DigitValue(payload[i]) << 4 | DigitValue(payload[i + 1])));
    }
    if (bytes.size() < 4) {
        fault = Format("%zu bytes, fewer than address, count and checksum", bytes.size());
        return std::nullopt;
    }
    const std::size_t count = bytes[2];
    if (bytes.size() != count + 4) {
        fault = Format("the count byte says %zu data bytes but the frame carries %zu", count,
                       bytes.size() - 4);
        return std::nullopt;
    }
    const std::span<const std::uint8_t> summed(bytes.data(), bytes.size() - 1);
    if (Checksum(summed) != bytes.back()) {
        fault = Format("checksum %02X where the bytes need %02X", bytes.back(), Checksum(summed));
        return std::nullopt;
    }
    DataBlock block;
    block.address = static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
    block.data.assign(bytes.begin() + 3, bytes.end() - 1);
    return block;
}

void FrameReceiver::Clear() {
    phase_ = Phase::Between;
    run_ = 0;
    wakeUp_ = 0;
    body_.clear();
}

std::optional<ReceivedFrame> FrameReceiver::Feed(std::uint8_t byte, std::string& fault) {
    switch (phase_) {
        case Phase::Skipping:
            if (byte == kFrameStart) {
                phase_ = Phase::Between;
                run_ = 1;
            }
            return std::nullopt;
        case Phase::Between:
            if (byte == kFrameStart) {
                ++run_;
                return std::nullopt;
            }
            if (run_ >= 2 && byte != kFrameEnd) {
                phase_ = Phase::InFrame;
                wakeUp_ = run_ - 2;
                run_ = 0;
                body_.assign(1, byte);
                return std::nullopt;
            }
            if (run_ >= 2) {
                fault = "an empty frame (FE FE FD)";
            } else if (run_ == 1) {
                fault = Format(
                    "a frame that begins with a single FE before %02X (frames begin "
                    "FE FE)",
                    byte);
            } else {
                fault = Format("byte %02X outside any frame", byte);
            }
            run_ = 0;
            phase_ = Phase::Skipping;
            return std::nullopt;
        case Phase::InFrame:
            break;
    }
    if (byte == kFrameEnd) {
        phase_ = Phase::Between;
        if (body_.size() < 3) {
            fault = Format(
                "a frame of %zu bytes between FE FE and FD, too short for the two "
                "addresses and the command",
                body_.size());
            return std::nullopt;
        }
        ReceivedFrame frame;
        frame.wakeUp = wakeUp_;
        frame.receiver = body_[0];
        frame.sender = body_[1];
        frame.command = body_[2];
        frame.payload.assign(body_.begin() + 3, body_.end());
        return frame;
    }
    if (byte == kFrameStart) {
        fault = Format(
            "a frame broken off by FE after %zu bytes (FE never occurs inside a "
            "frame)",
            body_.size());
        phase_ = Phase::Between;
        run_ = 1;
        return std::nullopt;
    }
    body_.push_back(byte);
    if (body_.size() > kLongestFrame) {
        fault = Format("a frame longer than %zu bytes without FD", kLongestFrame);
        phase_ = Phase::Skipping;
    }
    return std::nullopt;
}

}  // namespace orvane::sim
