#include "clone/clone_script.h"

#include <array>
#include <cctype>
#include <cstdio>

namespace orvane {
namespace {

constexpr const char* kScriptLine = "(9600,N,8,1)FEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFE EEEF E8 ";

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

ScriptGroup TakeScriptGroup(std::string& script) {
    ScriptGroup group;
    if (!script.empty() && script.front() == '(') {
        std::size_t close = script.find(')');
        group.kind = ScriptGroup::Kind::Settings;
        group.settings =
            script.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        script.erase(0, close == std::string::npos ? script.size() : close + 1);
        return group;
    }
    std::size_t end = script.find('(');
    if (end == std::string::npos) {
        end = script.size();
    }
    int pending = -1;
    for (std::size_t i = 0; i < end; ++i) {
        int digit = HexDigitValue(script[i]);
        if (digit < 0) {
            continue;
        }
        if (pending < 0) {
            pending = digit;
        } else {
            group.bytes.push_back(static_cast<std::uint8_t>(pending << 4 | digit));
            pending = -1;
        }
    }
    if (pending >= 0) {
        group.bytes.push_back(static_cast<std::uint8_t>(pending << 4));
    }
    script.erase(0, end);
    return group;
}

std::string SpeedChangeScript(std::uint16_t modelCode) {
    char tail[64];
    std::snprintf(tail, sizeof tail, "%04X%04X 0000 02 01 FD", static_cast<unsigned>(modelCode),
                  0u);
    return std::string(kScriptLine) + tail;
}

std::string AdjustModeScript(std::uint16_t modelCode, std::uint16_t modelVersion) {
    char head[32];
    std::snprintf(head, sizeof head, "%04X%04X 00 0000 ", static_cast<unsigned>(modelCode),
                  static_cast<unsigned>(modelVersion));
    std::string script = std::string(kScriptLine) + head;
    for (std::uint8_t byte : AdjustModeAccessText()) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(byte));
        script += digits;
    }
    return script + " FD";
}

std::vector<std::uint8_t> AdjustModeAccessText() {
    // Each character is stored shifted by its position, so no plain run of it exists.
    constexpr std::array<std::uint8_t, 14> kShifted = {0x4F, 0x53, 0x58, 0x44, 0x52, 0x4A, 0x33,
                                                       0x48, 0x4C, 0x53, 0x37, 0x3B, 0x3C, 0x3E};
    std::vector<std::uint8_t> text(kShifted.size());
    for (std::size_t i = 0; i < kShifted.size(); ++i) {
        text[i] = static_cast<std::uint8_t>(kShifted[i] - i);
    }
    return text;
}

}  // namespace orvane
