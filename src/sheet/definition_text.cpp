#include "sheet/definition_text.h"

#include <limits>

#include "text/text_store.h"

namespace orvane {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool StartsBodyEnd(std::string_view line) { return !line.empty() && line.front() == '#'; }

}  // namespace

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view TrimBlanks(std::string_view text) {
    text = SkipBlanks(text);
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(at + 1);
    }
}

namespace {

// Reads an optionally signed number at the start of `text`; the count of bytes used is
// 0 when there is no digit. Values beyond 32 bits saturate.
std::int32_t ReadNumber(std::string_view text, std::size_t& used) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t firstDigit = i;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value <= std::numeric_limits<std::int32_t>::max()) {
            value = value * 10 + (text[i] - '0');
        }
    }
    used = i == firstDigit ? 0 : i;
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    text = TrimBlanks(text);
    std::size_t used = 0;
    const std::int32_t value = ReadNumber(text, used);
    if (used == 0 || used != text.size()) {
        return std::nullopt;
    }
    return value;
}

std::int32_t LeadingNumber(std::string_view text) {
    std::size_t used = 0;
    const std::int32_t value = ReadNumber(SkipBlanks(text), used);
    return used == 0 ? 0 : value;
}

std::string_view ValueAfterEquals(std::string_view text) {
    const std::size_t at = text.find('=');
    return at == std::string_view::npos ? std::string_view() : text.substr(at + 1);
}

std::optional<std::string_view> ArgumentAfterBlank(std::string_view text) {
    const std::size_t at = text.find(' ');
    if (at == std::string_view::npos || at + 1 == text.size()) {
        return std::nullopt;
    }
    return text.substr(at + 1);
}

std::vector<std::string_view> ParenthesisGroups(std::string_view line) {
    std::vector<std::string_view> groups;
    for (std::size_t open = line.find('('); open != std::string_view::npos;
         open = line.find('(', open)) {
        const std::size_t close = line.find(')', open + 1);
        groups.push_back(line.substr(
            open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
        if (close == std::string_view::npos) {
            break;
        }
        open = close + 1;
    }
    return groups;
}

std::string NamedFault(std::string_view text, std::string_view name) {
    std::string fault(text);
    fault += "\n'";
    fault += name;
    fault += '\'';
    return fault;
}

std::vector<std::string> BodyLines(TextStore& textStore, std::string_view key) {
    std::vector<std::string> lines;
    if (StartsBodyEnd(textStore.GetText(key, 0))) {
        return lines;
    }
    // The store already stops a body that runs off the end of the resource.
    const std::string body = textStore.GetMultiLineText(key);
    for (std::string_view line : SplitAt(body, '\n')) {
        lines.emplace_back(line);
    }
    return lines;
}

std::optional<std::string> BodyLine(TextStore& textStore, std::string_view key, int n) {
    for (int i = 0; i <= n; ++i) {
        std::string line = textStore.GetText(key, i);
        if (StartsBodyEnd(line)) {
            return std::nullopt;
        }
        if (i == n) {
            return line;
        }
    }
    return std::nullopt;
}

}  // namespace orvane
