#include "radio/frequency.h"

#include <cstdio>

namespace orvane {

Hertz RoundFrequency(Hertz hertz, int spacing, bool spacing833Allowed) {
    if (!spacing833Allowed) {
        spacing = 0;
    }
    const Hertz step = spacing == 0 ? 25'000 : 5'000;
    // The remainder is first cut to tenths of a step, so exactly half a step rounds up.
    const Hertz remainder = hertz % step;
    const Hertz roundUp = (remainder / (step / 10) + 5) / 10;
    std::uint64_t rounded = static_cast<std::uint64_t>(step) * (hertz / step + roundUp);
    const Hertz within100k = static_cast<Hertz>(rounded % 100'000);
    // 8.33 kHz channel names sit 5 kHz off the 25 kHz raster points they stand for.
    const bool on25kPoint = within100k % 25'000 == 0;
    const bool before25kPoint = within100k % 25'000 == 20'000;
    if (spacing == 1) {
        if (on25kPoint) {
            rounded += 5'000;
        } else if (before25kPoint) {
            rounded -= 5'000;
        }
        return static_cast<Hertz>(rounded > kHighestFrequency ? kHighestFrequency : rounded);
    }
    if (spacing == 2) {
        if (before25kPoint) {
            rounded -= 5'000;
        }
        return static_cast<Hertz>(rounded > kHighestFrequency ? kHighestFrequency : rounded);
    }
    if (rounded > kHighest25kFrequency) {
        return kHighest25kFrequency;
    }
    // Below half the lowest step nothing rounds up to a channel; the lowest one is used.
    if (rounded < 10'752) {
        return 25'000;
    }
    return static_cast<Hertz>(rounded);
}

std::string FormatFrequency(Hertz hertz) {
    char text[32];
    std::snprintf(text, sizeof text, "%u.%03u", hertz / 1'000'000, hertz % 1'000'000 / 1'000);
    return text;
}

bool IsUnsetFrequency(Hertz hertz) { return hertz < kLowestFrequency || hertz > kHighestFrequency; }

}  // namespace orvane
