#pragma once
// Where things sit in an image: the sizes every image is made with, the clone area that
// files and reads carry, and the fixed fields this layer and the file commands look at.

#include <cstdint>
#include <string_view>

namespace orvane {

class EepromImage;

// Every image the program makes holds the radio's EEPROM, the extension block and room
// the transport may fill.
inline constexpr std::int32_t kImageCapacity = 0x2010;

// The radio's own contents: what a clone data file holds and what a read fills.
inline constexpr std::int32_t kCloneAreaSize = 4000;
inline constexpr std::int32_t kLastCloneAddress = kCloneAreaSize - 1;

// Ten banks share the 200 channel records (bank mode).
inline constexpr std::int32_t kBankCount = 10;
inline constexpr std::int32_t kChannelCount = 200;

inline constexpr std::int32_t kCommentAddress = 0xF80;
inline constexpr std::int32_t kCommentLength = 16;

// The model type the image was made for (0 HT-Lk2, 3 HT-Lk1, 4 HT-Lk1S/Lk2S).
inline constexpr std::int32_t kModelTypeAddress = 0xE7F;

// The last eight characters of the identity text: the family and map digits that a
// clone area must carry to be one of this program's.
inline constexpr std::int32_t kModelDigitsAddress = 0xF98;
inline constexpr std::string_view kModelDigits = "30740001";

// Sent to the radio behind the clone area before every write.
inline constexpr std::int32_t kExtensionAddress = 0xFA0;
inline constexpr std::int32_t kExtensionSize = 544;

// Whether the image carries the model digits; a short image does not.
bool HasModelDigits(const EepromImage& image);

}  // namespace orvane
