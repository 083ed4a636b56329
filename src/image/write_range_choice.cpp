#include "image/write_range_choice.h"

#include "image/eeprom_image.h"
#include "image/extension_block.h"
#include "image/range_tables.h"

namespace orvane {
namespace {

constexpr std::size_t kIdentityFirmwareOffset = 19;
constexpr std::size_t kIdentityVersionOffset = 23;
constexpr std::uint32_t kUnreadableVersion = 0x303030;

bool IsDigit(std::uint8_t character) { return character >= '0' && character <= '9'; }

std::uint32_t VersionNumber(std::uint8_t major, std::uint8_t minor, std::uint8_t patch) {
    return std::uint32_t{major} << 16 | std::uint32_t{minor} << 8 | patch;
}

std::uint32_t BlockVersion(const EepromImage& image) {
    const std::int32_t version = kExtensionAddress + kExtensionVersionOffset;
    return VersionNumber(image.GetByte(version), image.GetByte(version + 2),
                         image.GetByte(version + 3));
}

bool FirmwareMatches(RadioIdentityBytes identity, const EepromImage& image) {
    for (std::int32_t i = 0; i < kExtensionFirmwareLength; ++i) {
        if (identity[kIdentityFirmwareOffset + static_cast<std::size_t>(i)] !=
            image.GetByte(kExtensionAddress + kExtensionFirmwareOffset + i)) {
            return false;
        }
    }
    return true;
}

std::uint32_t RadioVersion(RadioIdentityBytes identity) {
    const auto version = identity.subspan<kIdentityVersionOffset, 4>();
    if (!IsDigit(version[0]) || version[1] != '.' || !IsDigit(version[2]) || !IsDigit(version[3])) {
        return kUnreadableVersion;
    }
    return VersionNumber(version[0], version[2], version[3]);
}

}  // namespace

std::span<const AddressRange> ChooseWriteRanges(RadioIdentityBytes identity,
                                                const EepromImage& image, bool expertMode) {
    const bool extended =
        FirmwareMatches(identity, image) && RadioVersion(identity) < BlockVersion(image);
    if (extended) {
        return expertMode ? ExtendedExpertWriteRanges() : ExtendedWriteRanges();
    }
    return expertMode ? ExpertWriteRanges() : WriteRanges();
}

}  // namespace orvane
