#pragma once
// The refresh mask an evaluation answers with: which cells the sheet redraws besides
// the evaluated one (the tests themselves are the sheet's, refresh_mask.h).

#include <cstdint>

#include "sheet/refresh_mask.h"

namespace orvane::notify {

inline constexpr std::uint32_t kCell = refresh::kSameCell;              // the cell itself
inline constexpr std::uint32_t kSameCategory = refresh::kSameCategory;  // e.g. the home sheet
inline constexpr std::uint32_t kSameCellId = refresh::kSameCellId;      // e.g. every capacity row
inline constexpr std::uint32_t kSameIndex = refresh::kSameIndex;        // the channel's row
inline constexpr std::uint32_t kAllLinked = refresh::kAllLinked;        // others show the value

}  // namespace orvane::notify
