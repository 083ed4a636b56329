#pragma once
// The key codes a cell request carries: characters as themselves, a double click or a
// chosen value as 256, navigation and function keys as the platform key code × 256.

#include <cstdint>

namespace orvane::key {

inline constexpr std::int32_t kNone = 0;
inline constexpr std::int32_t kBackspace = 8;
inline constexpr std::int32_t kEnter = 13;
inline constexpr std::int32_t kSpace = 32;
inline constexpr std::int32_t kLastPrintable = 126;
inline constexpr std::int32_t kDoubleClick = 256;
inline constexpr std::int32_t kBeginEdit = 0x7100;  // F2

}  // namespace orvane::key
