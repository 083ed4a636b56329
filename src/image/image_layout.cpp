#include "image/image_layout.h"

#include "image/eeprom_image.h"

namespace orvane {

bool HasModelDigits(const EepromImage& image) {
    const auto length = static_cast<std::int32_t>(kModelDigits.size());
    if (!image.InRange(kModelDigitsAddress + length - 1)) {
        return false;
    }
    for (std::int32_t i = 0; i < length; ++i) {
        if (image.GetByte(kModelDigitsAddress + i) != static_cast<std::uint8_t>(kModelDigits[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace orvane
