#include "radio/number_entry.h"

#include <algorithm>
#include <cmath>

#include "radio/editor_start.h"
#include "radio/entry_keys.h"
#include "sheet/cell_request.h"

namespace orvane {
namespace {

constexpr std::size_t kNumberLength = 9;

// Digits, points and minus signs up to the first character of another kind: a sign, an
// integer part and a fraction, as a decimal reader takes them.
double ReadDecimal(const std::string& kept) {
    std::size_t i = 0;
    const bool negative = !kept.empty() && kept[0] == '-';
    i += negative ? 1 : 0;
    double value = 0;
    for (; i < kept.size() && kept[i] >= '0' && kept[i] <= '9'; ++i) {
        value = value * 10 + (kept[i] - '0');
    }
    if (i < kept.size() && kept[i] == '.') {
        double scale = 0.1;
        for (++i; i < kept.size() && kept[i] >= '0' && kept[i] <= '9'; ++i, scale /= 10) {
            value += (kept[i] - '0') * scale;
        }
    }
    return negative ? -value : value;
}

}  // namespace

TypedNumber ReadTypedNumber(const std::string& text) {
    std::string kept;
    bool hasDigitOrPoint = false;
    for (char c : text) {
        if ((c >= '0' && c <= '9') || c == '.' || c == '-') {
            kept += c;
            hasDigitOrPoint = hasDigitOrPoint || c != '-';
        }
    }
    kept.resize(std::min(kept.size(), kNumberLength));
    if (!hasDigitOrPoint) {
        return {};
    }
    return {true, static_cast<std::int64_t>(std::round(ReadDecimal(kept)))};
}

EntryResult NumberEntry(CellRequest& request, std::int32_t& value, std::int32_t minimum,
                        std::int32_t maximum) {
    EntryResult result;
    // Bounds the other way round (from a damaged image) admit only the lower one.
    const std::int64_t top = std::max(minimum, maximum);
    const auto limit = [minimum, top](std::int64_t number) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(number, minimum, top));
    };
    if (request.textOrigin == TextOrigin::kEditor) {
        const TypedNumber typed = ReadTypedNumber(request.text);
        if (typed.present) {
            value = limit(typed.value);
            result.changed = true;
        }
    }
    if (request.fromGrid) {
        const std::int32_t code = request.keyCode;
        if (code == key::kSpace || code == key::kBackspace) {
            value = limit(static_cast<std::int64_t>(value) + (code == key::kSpace ? 1 : -1));
            result.changed = true;
        }
    }
    request.text = std::to_string(value);
    SelectWholeText(request);
    if (request.fromGrid) {
        const std::int32_t code = request.keyCode;
        if (key::IsDigit(code) || (code == '-' && minimum < 0)) {
            StartWithCharacter(request, static_cast<char>(code));
            result.open = CellOpening::kOpenEditor;
        } else if (code == key::kEnter || code == key::kBeginEdit) {
            result.open = CellOpening::kOpenEditor;
        }
    }
    return result;
}

}  // namespace orvane
