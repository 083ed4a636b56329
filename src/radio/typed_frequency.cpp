#include "radio/typed_frequency.h"

#include <algorithm>
#include <cstdint>

namespace orvane {
namespace {

constexpr std::size_t kTypedLength = 7;

std::string KeptText(const std::string& typed) {
    std::string kept;
    for (char c : typed) {
        if ((c >= '0' && c <= '9') || c == '.') {
            kept += c;
        }
    }
    kept.resize(std::min(kept.size(), kTypedLength));
    return kept;
}

// Exact in hertz: seven characters hold at most six decimals.
Hertz ReadMegahertz(const std::string& kept) {
    std::uint64_t hertz = 0;
    std::size_t i = 0;
    for (; i < kept.size() && kept[i] != '.'; ++i) {
        hertz = hertz * 10 + static_cast<std::uint64_t>(kept[i] - '0');
    }
    hertz *= 1'000'000;
    std::uint64_t scale = 100'000;
    for (++i; i < kept.size() && kept[i] != '.' && scale > 0; ++i, scale /= 10) {
        hertz += static_cast<std::uint64_t>(kept[i] - '0') * scale;
    }
    if (hertz > kHighestFrequency) {
        return kHighestFrequency;
    }
    return hertz < kLowestFrequency ? kLowestFrequency : static_cast<Hertz>(hertz);
}

}  // namespace

std::optional<Hertz> ReadTypedFrequency(const std::string& typed) {
    const std::string kept = KeptText(typed);
    if (kept.empty()) {
        return std::nullopt;
    }
    return ReadMegahertz(kept);
}

}  // namespace orvane
