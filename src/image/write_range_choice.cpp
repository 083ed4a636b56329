#include "image/write_range_choice.h"

#include "image/eeprom_image.h"
#include "image/extension_block.h"
#include "image/range_tables.h"

namespace orvane {
namespace {

// The block is built in, so its version text always has the digit, point, digit, digit
// shape.
std::uint32_t BlockVersion(const EepromImage& image) {
    const std::int32_t version = kExtensionAddress + kExtensionVersionOffset;
    return DigitVersion(image.GetByte(version), image.GetByte(version + 2),
                        image.GetByte(version + 3));
}

bool FirmwareMatches(const RadioIdentity& identity, const EepromImage& image) {
    std::int32_t address = kExtensionAddress + kExtensionFirmwareOffset;
    for (std::uint8_t character : identity.Firmware()) {
        if (character != image.GetByte(address++)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::span<const AddressRange> ChooseWriteRanges(const RadioIdentity& identity,
                                                const EepromImage& image, bool expertMode) {
    const bool extended =
        FirmwareMatches(identity, image) && identity.VersionNumber() < BlockVersion(image);
    if (extended) {
        return expertMode ? ExtendedExpertWriteRanges() : ExtendedWriteRanges();
    }
    return expertMode ? ExpertWriteRanges() : WriteRanges();
}

}  // namespace orvane
