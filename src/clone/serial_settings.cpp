#include "clone/serial_settings.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace orvane {
namespace {

// Leading blanks are skipped; digits are read up to the first other character.
std::int64_t LeadingNumber(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') {
        ++i;
    }
    std::int64_t value = 0;
    for (; i < field.size() && std::isdigit(static_cast<unsigned char>(field[i])); ++i) {
        value = std::min<std::int64_t>(value * 10 + (field[i] - '0'), 0xFFFFFFFF);
    }
    return value;
}

}  // namespace

SerialLine ParseSerialSettings(std::string_view text) {
    std::array<std::string_view, 4> fields{};
    std::size_t field = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size() && field < fields.size(); ++i) {
        if (i == text.size() || text[i] == ',') {
            fields[field++] = text.substr(start, i - start);
            start = i + 1;
        }
    }

    SerialLine line;
    line.baud = static_cast<std::uint32_t>(LeadingNumber(fields[0]));
    char parity = fields[1].empty() ? 'N' : fields[1].front();
    line.parityCheck = parity == 'M' || parity == 'm' || parity == 'O' || parity == 'o';
    line.dataBits =
        fields[2].empty()
            ? 8
            : static_cast<int>(std::clamp<std::int64_t>(LeadingNumber(fields[2]), 4, 8));
    if (fields[3] == "1.5") {
        line.stopBits = SerialLine::StopBits::OneAndHalf;
    } else if (fields[3] == "2") {
        line.stopBits = SerialLine::StopBits::Two;
    } else {
        line.stopBits = SerialLine::StopBits::One;
    }
    return line;
}

}  // namespace orvane
