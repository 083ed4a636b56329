#pragma once
// What a clone write sends. The document's image is left as the user made it (but for
// a time-out timer the radio does not allow); the radio gets a working copy fitted to
// the model, with every channel the radio would refuse put back to the model's
// reference channel, the home-setting block and the home copies matching the settings
// in use, the extension block behind the clone area, and the address list that suits
// the radio's firmware.

#include <span>

#include "app/image_fitting.h"
#include "image/address_range.h"
#include "image/eeprom_image.h"

namespace orvane {

class RadioIdentity;

struct PreparedWrite {
    EepromImage image;
    std::span<const AddressRange> ranges;
};

// `current` is the document's image; `identity` is the radio's latest answer.
PreparedWrite PrepareWrite(EepromImage& current, const FittingContext& context,
                           const RadioIdentity& identity);

}  // namespace orvane
