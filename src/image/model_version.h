#pragma once
// The family code and the map version that head a clone data file and that the radio
// reports about itself.

#include <cstdint>

namespace orvane {

inline constexpr std::uint32_t kModelCode = 0x3074;

// Types 1..7 give 2..8, every other type 1: HT-Lk2 (0) writes 1, HT-Lk1 (3) writes 4,
// HT-Lk1S/Lk2S (4) writes 5.
constexpr std::uint32_t ModelVersion(int modelType) {
    return modelType >= 1 && modelType <= 7 ? static_cast<std::uint32_t>(modelType) + 1 : 1;
}

}  // namespace orvane
