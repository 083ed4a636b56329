#pragma once
// The constant block copied behind the clone area (0xFA0-0x11BF) before every write to
// the radio. It carries a firmware identity and a version that decide whether the radio
// gets it (see ChooseWriteRanges).

#include <cstdint>
#include <span>

#include "image/image_layout.h"

namespace orvane {

std::span<const std::uint8_t, kExtensionSize> ExtensionBlock();

// Offsets inside the block: the firmware field the radio must report (as long as the
// identity's), and the version as digit '.' digit digit.
inline constexpr std::int32_t kExtensionFirmwareOffset = 2;
inline constexpr std::int32_t kExtensionVersionOffset = 6;

}  // namespace orvane
