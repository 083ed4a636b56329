#include "clone/clone_frames.h"

#include <cstdio>

namespace orvane {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendHexByte(cmcBuff& out, std::uint8_t value) {
    out.AppendByte(static_cast<std::uint8_t>(kHexDigits[value >> 4]));
    out.AppendByte(static_cast<std::uint8_t>(kHexDigits[value & 0x0F]));
}

int HexValue(std::uint8_t digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    return -1;
}

}  // namespace

void AppendFrameHead(cmcBuff& out, FrameRoute route, std::uint8_t command, int preamble) {
    if (preamble > 0) {
        out.AppendFill(kFrameStart, preamble);
    }
    bool toRadio = route == FrameRoute::ToRadio;
    const std::uint8_t head[] = {kFrameStart, kFrameStart,
                                 toRadio ? kRadioAddress : kProgramAddress,
                                 toRadio ? kProgramAddress : kRadioAddress, command};
    out.Append(head, sizeof head);
}

void AppendRequestFrame(cmcBuff& out, std::uint8_t command, std::uint16_t modelCode,
                        std::uint16_t modelVersion, int preamble) {
    AppendFrameHead(out, FrameRoute::ToRadio, command, preamble);
    const std::uint8_t payload[] = {static_cast<std::uint8_t>(modelCode >> 8),
                                    static_cast<std::uint8_t>(modelCode),
                                    static_cast<std::uint8_t>(modelVersion >> 8),
                                    static_cast<std::uint8_t>(modelVersion), kFrameEnd};
    out.Append(payload, sizeof payload);
}

std::uint8_t DataChecksum(std::uint16_t address, std::span<const std::uint8_t> data) {
    unsigned sum = (address >> 8) + (address & 0xFF) + static_cast<unsigned>(data.size());
    for (std::uint8_t byte : data) {
        sum += byte;
    }
    return static_cast<std::uint8_t>((256 - sum % 256) % 256);
}

void AppendDataFrame(cmcBuff& out, FrameRoute route, std::uint16_t address,
                     std::span<const std::uint8_t> data, int preamble) {
    AppendFrameHead(out, route, kDataFrame, preamble);
    char head[8];
    std::snprintf(head, sizeof head, "%04X%02X", static_cast<unsigned>(address),
                  static_cast<unsigned>(data.size() & 0xFF));
    out.Append(reinterpret_cast<const std::uint8_t*>(head), 6);
    for (std::uint8_t byte : data) {
        AppendHexByte(out, byte);
    }
    AppendHexByte(out, DataChecksum(address, data));
    out.AppendByte(kFrameEnd);
}

std::string EndFrameText(bool countSuffix, std::int64_t frameCount) {
    std::string text(kMakerText);
    if (countSuffix) {
        char count[4];
        std::snprintf(count, sizeof count, "%02X", static_cast<unsigned>(frameCount % 256));
        text += count;
    }
    return text;
}

void AppendEndFrame(cmcBuff& out, FrameRoute route, bool countSuffix, std::int64_t frameCount) {
    AppendFrameHead(out, route, kEndFrame, 0);
    std::string text = EndFrameText(countSuffix, frameCount);
    out.Append(reinterpret_cast<const std::uint8_t*>(text.data()),
               static_cast<std::int32_t>(text.size()));
    out.AppendByte(kFrameEnd);
}

std::optional<std::vector<std::uint8_t>> DecodeHexText(std::span<const std::uint8_t> text) {
    if (text.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(text.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        int high = HexValue(text[2 * i]);
        int low = HexValue(text[2 * i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return bytes;
}

FrameAssembler::Event FrameAssembler::Feed(std::uint8_t byte) {
    if (completed_) {
        frame_.Clear();
        completed_ = false;
    }
    if (byte == kFrameStart) {
        frame_.Clear();
        frame_.AppendByte(byte);
        return Event::None;
    }
    // Bytes before a frame starts are noise.
    if (frame_.Length() == 0) {
        return Event::None;
    }
    if (byte == kFrameEnd) {
        completed_ = true;
        return Event::Complete;
    }
    frame_.AppendByte(byte);
    return Event::None;
}

}  // namespace orvane
