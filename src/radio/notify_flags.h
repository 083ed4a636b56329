#pragma once
// The refresh mask an evaluation answers with: which cells the sheet redraws besides
// the evaluated one.

#include <cstdint>

namespace orvane::notify {

inline constexpr std::uint32_t kCell = 0x01;          // the cell itself
inline constexpr std::uint32_t kSameCategory = 0x02;  // e.g. the whole home sheet
inline constexpr std::uint32_t kSameCellId = 0x04;    // e.g. every capacity row
inline constexpr std::uint32_t kSameIndex = 0x08;     // the channel's row
inline constexpr std::uint32_t kAllLinked = 0x20;     // a value other cells show changed

}  // namespace orvane::notify
