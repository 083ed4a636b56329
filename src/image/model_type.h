#pragma once
// The model type: three bits saying what a model has, the same everywhere (the settings,
// an image's type byte, the type a radio's capability flags make). The selectable models
// are 3 (HT-Lk1: VOR and WX), 0 (HT-Lk2: neither) and 4 (HT-Lk1S/Lk2S: export variant).

#include <cstdint>

namespace orvane::model_type {

inline constexpr std::int32_t kVor = 0x01;
inline constexpr std::int32_t kWx = 0x02;
// One list of 100 channels instead of ten banks.
inline constexpr std::int32_t kExport = 0x04;

inline constexpr std::int32_t kLk1 = kVor | kWx;

}  // namespace orvane::model_type
