#pragma once
// Frequencies in hertz: the bands the radio knows, the entry bounds, rounding to the
// tuning raster and the "MHz.kHz" display.

#include <cstdint>
#include <string>

namespace orvane {

using Hertz = std::uint32_t;

inline constexpr Hertz kLowestFrequency = 5'000;
inline constexpr Hertz kHighestFrequency = 299'990'000;
inline constexpr Hertz kHighest25kFrequency = 299'975'000;

struct FrequencyBand {
    Hertz from;
    Hertz to;
    bool Contains(Hertz hertz) const { return hertz >= from && hertz <= to; }
};

inline constexpr FrequencyBand kReceiveRange{108'000'000, 143'990'000};
inline constexpr FrequencyBand kNavBand{108'000'000, 117'990'000};
inline constexpr FrequencyBand kComBand{118'000'000, 136'990'000};
inline constexpr FrequencyBand kUpperBand{137'000'000, 143'990'000};

// The transmit frequency a new channel receiving in the navigation band starts with.
inline constexpr Hertz kFirstComFrequency = 118'000'000;

// Rounds to the raster of `spacing` (0 25 kHz, 1 8.33 kHz channel names, 2 both); a
// spacing other than 0 applies only when `spacing833Allowed`.
Hertz RoundFrequency(Hertz hertz, int spacing, bool spacing833Allowed);

// "%d.%03d" of megahertz and kilohertz.
std::string FormatFrequency(Hertz hertz);

// Whether a stored frequency lies outside the entry bounds (a record never given one).
bool IsUnsetFrequency(Hertz hertz);

}  // namespace orvane
