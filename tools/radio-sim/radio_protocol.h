#pragma once
// The clone protocol as the radio knows it, written from the protocol description and
// shared with nothing of the program's: if the program gets a constant wrong, the two
// disagree on the wire instead of agreeing on the mistake.

#include <cstdint>
#include <string_view>

namespace orvane::sim {

// Every frame: FE FE, receiver, sender, command, payload, FD. The radio is EE, the
// program EF.
inline constexpr std::uint8_t kFrameStart = 0xFE;
inline constexpr std::uint8_t kFrameEnd = 0xFD;
inline constexpr std::uint8_t kRadioAddress = 0xEE;
inline constexpr std::uint8_t kProgramAddress = 0xEF;

inline constexpr std::uint8_t kInformationRequest = 0xE0;
inline constexpr std::uint8_t kInformationReply = 0xE1;
inline constexpr std::uint8_t kReadRequest = 0xE2;
inline constexpr std::uint8_t kWriteRequest = 0xE3;
inline constexpr std::uint8_t kDataFrame = 0xE4;
inline constexpr std::uint8_t kEndFrame = 0xE5;
inline constexpr std::uint8_t kWriteAcknowledge = 0xE6;
inline constexpr std::uint8_t kSetupFrame = 0xE8;

// The family code every request carries; requests carry the model version 0000.
inline constexpr std::uint16_t kFamilyCode = 0x3074;

// The end frame: the maker text, then the number of data frames modulo 256 as two
// upper-case hexadecimal digits.
inline constexpr std::string_view kMakerText = "Zelk Inc.";

// Data frames: at most 32 bytes, never across a multiple of 32.
inline constexpr int kDataFrameLimit = 32;

// The wake-up run of FE before the FE FE of a frame. At 9600 baud a request needs 24;
// at 38400 the same time is 96, and each data frame needs 48 (at 9600 the frames come
// slowly enough without). The setup frames of the scripts start with 20 FE in all.
inline constexpr std::uint32_t kNormalBaud = 9600;
inline constexpr std::uint32_t kHighBaud = 38400;
inline constexpr int kRequestWakeUpNormal = 24;
inline constexpr int kRequestWakeUpHigh = 96;
inline constexpr int kDataWakeUpHigh = 48;
inline constexpr int kSetupWakeUp = 18;

// The identity after the model code and version in the information reply.
inline constexpr int kIdentitySize = 27;
inline constexpr int kIdentityComment = 0;    // 16 characters
inline constexpr int kIdentityFlags = 16;     // capability flags A, B, C
inline constexpr int kIdentityFirmware = 19;  // 4 characters
inline constexpr int kIdentityVersion = 23;   // 4 characters

// The radio's memory: the clone area a read serves (0x000-0xF9F) and a clone data file
// holds, and the extension block behind it that a write may carry.
inline constexpr std::int32_t kCloneAreaSize = 0xFA0;
inline constexpr std::int32_t kMemorySize = 0x11C0;
inline constexpr std::int32_t kCommentAddress = 0xF80;
inline constexpr std::int32_t kCommentLength = 16;

// The model version a radio of a model type reports: 1 for the HT-Lk2 (0), 4 for the
// HT-Lk1 (3), 5 for the HT-Lk1S/Lk2S (4); in adjust mode 4, or 8 for the export model.
constexpr int ModelVersionOf(int modelType) {
    return modelType >= 1 && modelType <= 7 ? modelType + 1 : 1;
}
constexpr int AdjustModeVersionOf(int modelType) { return modelType >= 4 ? 8 : 4; }

}  // namespace orvane::sim
