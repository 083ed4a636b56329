#pragma once
// The model type: three bits saying what a model has, the same everywhere (the settings,
// an image's type byte, the type a radio's capability flags make). The selectable models
// are 3 (HT-Lk1: VOR and WX), 0 (HT-Lk2: neither) and 4 (HT-Lk1S/Lk2S: export variant).

#include <array>
#include <cstdint>

namespace orvane::model_type {

inline constexpr std::int32_t kVor = 0x01;
inline constexpr std::int32_t kWx = 0x02;
// One list of 100 channels instead of ten banks.
inline constexpr std::int32_t kExport = 0x04;

inline constexpr std::int32_t kLk1 = kVor | kWx;
inline constexpr std::int32_t kLk2 = 0;
inline constexpr std::int32_t kLk1S = kExport;
// Every combination of the three bits.
inline constexpr std::int32_t kHighest = kVor | kWx | kExport;
// The models the menus offer, in their order.
inline constexpr std::array<std::int32_t, 3> kSelectable = {kLk1, kLk2, kLk1S};

}  // namespace orvane::model_type
