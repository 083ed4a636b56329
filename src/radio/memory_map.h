#pragma once
// Where the radio keeps its settings in the EEPROM image and the sizes of its lists.

#include <cstdint>

#include "image/image_layout.h"

namespace orvane::memory_map {

// The records shared by the ten banks.
using orvane::kBankCount;
using orvane::kChannelCount;
inline constexpr std::int32_t kRecordSize = 16;
inline constexpr std::int32_t kMaxBankCapacity = 100;
inline constexpr std::int32_t kExportChannelCount = 100;
inline constexpr std::int32_t kWxChannelCount = 10;
inline constexpr std::int32_t kNameLength = 8;
inline constexpr std::int32_t kNameDisplayWidth = 16;  // name with a point after each character

inline constexpr std::int32_t kChannelRecords = 0x000;
// One byte per position: scan tag and blank bit; the other bits belong to the radio.
inline constexpr std::int32_t kChannelFlags = 0xC80;
inline constexpr std::uint8_t kFlagTag = 0x80;
inline constexpr std::uint8_t kFlagBlank = 0x40;
inline constexpr std::int32_t kWxChannelFlags = 0xD50;  // bit 7: scan tag
inline constexpr std::int32_t kHomeTot = 0xD6A;
inline constexpr std::int32_t kBankNames = 0xE00;
inline constexpr std::int32_t kBankNameDots = 0xE50;
inline constexpr std::int32_t kBankCapacities = 0xE60;
// The home settings block; the radio keeps four copies of it and of the home VFO
// record, each 64 bytes after the one before.
inline constexpr std::int32_t kHomeBlock = 0xE80;
inline constexpr std::int32_t kHomeBlockSize = 32;
inline constexpr std::int32_t kHomeCopyCount = 4;
inline constexpr std::int32_t kHomeCopyStride = 64;
inline constexpr std::int32_t kHomeMode = 0xE90;  // 0 VFO, 1 memory channel
inline constexpr std::int32_t kHomeBank = 0xE91;
// Bank mode: the home channel inside each bank, one byte per bank; export mode: the
// first byte is the position.
inline constexpr std::int32_t kHomeChannels = 0xE92;
inline constexpr std::int32_t kHomeVfoRecord = 0xEA0;

// The record of the model's default image that new channels copy.
inline constexpr std::int32_t kDefaultChannelPosition = 1;

// Frequencies are kept in units of 5 kHz.
inline constexpr std::uint32_t kFrequencyUnitHz = 5000;

}  // namespace orvane::memory_map
