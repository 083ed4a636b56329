#pragma once
// Where the radio keeps its single-valued settings: the home settings block, the common
// settings block and the two texts.

#include <cstdint>

namespace orvane::setting_address {

// Home settings.
inline constexpr std::int32_t kSqlLevel = 0xD60;
inline constexpr std::int32_t kSideLevel = 0xD61;
inline constexpr std::int32_t kAnl = 0xD62;
inline constexpr std::int32_t kBeepLevel = 0xD63;
inline constexpr std::int32_t kAlertOn = 0xD64;  // also half of the weather alert
inline constexpr std::int32_t kMicSensitivity = 0xD65;
inline constexpr std::int32_t kInternalMic = 0xD66;
inline constexpr std::int32_t kVoxLevel = 0xD68;
inline constexpr std::int32_t kVoxDelay = 0xD69;

// Common settings.
inline constexpr std::int32_t kBatteryPack = 0xD80;
inline constexpr std::int32_t kBatterySelect = 0xD81;  // 0 automatic
inline constexpr std::int32_t kIndicationMode = 0xD82;
inline constexpr std::int32_t kMemoryWrite = 0xD83;
inline constexpr std::int32_t kBankNameWrite = 0xD84;
inline constexpr std::int32_t kVfoDisabled = 0xD85;  // 1: the VFO is switched off
inline constexpr std::int32_t kVfoTx = 0xD86;
inline constexpr std::int32_t kDuplex = 0xD87;
inline constexpr std::int32_t kScan = 0xD88;  // 1: scanning disabled
inline constexpr std::int32_t kSetMode = 0xD89;
inline constexpr std::int32_t kHomeKey = 0xD8A;
inline constexpr std::int32_t kEmr = 0xD8B;
inline constexpr std::int32_t kWxAlertDisabled = 0xD8C;  // 1: the weather alert is off
inline constexpr std::int32_t kBatteryCheck = 0xD8D;
inline constexpr std::int32_t kAdjustMode = 0xD8E;
inline constexpr std::int32_t kLightKey = 0xD8F;
inline constexpr std::int32_t kDisplayMode = 0xD90;
inline constexpr std::int32_t kScanVfo = 0xD91;
inline constexpr std::int32_t kScanMemory = 0xD92;
inline constexpr std::int32_t kLocks = 0xD93;  // one bit per key lock
inline constexpr std::int32_t kChannelSpacing = 0xD94;

// Texts; the clone comment sits in the image layout.
inline constexpr std::int32_t kOpeningText = 0xF90;  // 8 characters
inline constexpr std::int32_t kOpeningTextWidth = 8;

}  // namespace orvane::setting_address
