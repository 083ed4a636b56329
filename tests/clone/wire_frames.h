#pragma once
// Splits bytes seen on the wire into frames, for checking what the engine sent.

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::testing {

struct WireFrame {
    int preamble = 0;                // FE bytes before the FE FE of the frame
    std::vector<std::uint8_t> body;  // from the receiver address up to, without, FD
};

inline std::vector<WireFrame> SplitFrames(const std::vector<std::uint8_t>& bytes) {
    std::vector<WireFrame> frames;
    WireFrame current;
    int leading = 0;
    for (std::uint8_t byte : bytes) {
        if (byte == 0xFE && current.body.empty()) {
            ++leading;
        } else if (byte == 0xFD) {
            current.preamble = leading - 2;
            frames.push_back(current);
            current = {};
            leading = 0;
        } else {
            current.body.push_back(byte);
        }
    }
    return frames;
}

inline std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> bytes;
    for (int value : values) {
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

inline std::vector<std::uint8_t> Text(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

inline std::vector<std::uint8_t> Join(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> joined;
    for (const auto& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

}  // namespace orvane::testing
