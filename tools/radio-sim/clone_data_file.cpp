#include "clone_data_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "radio_codec.h"
#include "radio_protocol.h"

namespace orvane::sim {
namespace {

constexpr std::size_t kBytesPerLine = 16;

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The value of `count` hexadecimal digits from `at`.
int HexField(const std::string& line, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        value = value << 4 | HexValue(line[i]);
    }
    return value;
}

std::string AtLine(std::size_t number, const std::string& what) {
    return Format("line %zu: %s", number, what.c_str());
}

}  // namespace

std::string ReadCloneDataFile(const std::string& path, std::vector<std::uint8_t>& memory) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return "cannot open the file";
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return "cannot read the file";
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
    }
    if (start != text.size()) {
        return AtLine(lines.size() + 1, "the last line does not end with a line feed");
    }
    if (lines.empty()) {
        return "the file is empty";
    }

    const std::string& header = lines[0];
    if (header.size() != 8 ||
        !std::all_of(header.begin(), header.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return AtLine(1, "the header is not eight digits");
    }
    if (HexField(header, 0, 4) != kFamilyCode) {
        return AtLine(1, Format("the header's family code is %s, not %04X",
                                header.substr(0, 4).c_str(), kFamilyCode));
    }
    const int version = HexField(header, 4, 4);
    if (version != 1 && version != 4 && version != 5) {
        return AtLine(1, Format("the header's model version is %d, not 1, 4 or 5", version));
    }

    std::vector<std::uint8_t> area(kCloneAreaSize);
    std::vector<bool> covered(kCloneAreaSize, false);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line.size() < 8 || line.size() > 516) {
            return AtLine(i + 1, Format("a data line of %zu characters", line.size()));
        }
        if (!std::all_of(line.begin(), line.end(), [](char c) { return HexValue(c) >= 0; })) {
            return AtLine(i + 1, "a data line with a character that is not a hex digit");
        }
        const int address = HexField(line, 0, 4);
        const int count = HexField(line, 4, 2);
        if (line.size() != 6 + 2 * static_cast<std::size_t>(count)) {
            return AtLine(i + 1, Format("the count says %d bytes but the line has %zu digits",
                                        count, line.size() - 6));
        }
        if (address + count > kCloneAreaSize) {
            return AtLine(i + 1, Format("bytes from %04X run past the clone area", address));
        }
        for (int k = 0; k < count; ++k) {
            area[static_cast<std::size_t>(address + k)] =
                static_cast<std::uint8_t>(HexField(line, 6 + 2 * static_cast<std::size_t>(k), 2));
            covered[static_cast<std::size_t>(address + k)] = true;
        }
    }
    auto missing = std::find(covered.begin(), covered.end(), false);
    if (missing != covered.end()) {
        return Format("the file does not hold address %04X of the clone area",
                      static_cast<int>(missing - covered.begin()));
    }
    std::copy(area.begin(), area.end(), memory.begin());
    return {};
}

std::string WriteCloneDataFile(const std::string& path, int modelVersion,
                               const std::vector<std::uint8_t>& memory) {
    std::ostringstream text;
    text << Format("%04X%04X\n", kFamilyCode, modelVersion);
    std::string comment;
    for (std::int32_t i = 0; i < kCommentLength; ++i) {
        const std::uint8_t c = memory[static_cast<std::size_t>(kCommentAddress + i)];
        comment += c >= 0x20 && c <= 0x7E ? static_cast<char>(c) : ' ';
    }
    comment.erase(comment.find_last_not_of(' ') + 1);
    text << '#' << comment << '\n';
    for (std::size_t address = 0; address < static_cast<std::size_t>(kCloneAreaSize);
         address += kBytesPerLine) {
        const std::span<const std::uint8_t> bytes(memory.data() + address, kBytesPerLine);
        text << Format("%04zX%02zX", address, kBytesPerLine) << HexText(bytes) << '\n';
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text.str();
    out.close();
    return out ? std::string() : "cannot write the file";
}

}  // namespace orvane::sim
