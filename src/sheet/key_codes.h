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

// The platform key numbers a grid reports for the keys that are not characters.
namespace vk {
inline constexpr int kReturn = 0x0D;
inline constexpr int kEscape = 0x1B;
inline constexpr int kPageUp = 0x21;
inline constexpr int kPageDown = 0x22;
inline constexpr int kEnd = 0x23;
inline constexpr int kHome = 0x24;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kF1 = 0x70;
inline constexpr int kF2 = 0x71;
inline constexpr int kF12 = 0x7B;
}  // namespace vk

// A function or navigation key as the data model receives it.
constexpr std::int32_t FromPlatformKey(int platformKey) { return platformKey * 256; }

inline constexpr std::int32_t kHelp = FromPlatformKey(vk::kF1);
inline constexpr std::int32_t kBeginEdit = FromPlatformKey(vk::kF2);
// Left or Right pressed where the cursor cannot move further that way.
inline constexpr std::int32_t kLeftAtEdge = FromPlatformKey(vk::kLeft);    // 9472
inline constexpr std::int32_t kRightAtEdge = FromPlatformKey(vk::kRight);  // 9984

}  // namespace orvane::key
