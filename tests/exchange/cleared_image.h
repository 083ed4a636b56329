#pragma once
// A model's default image with every channel position blank, as after clearing each bank:
// imports then start at each bank's first row.

#include "image/eeprom_image.h"
#include "radio/channel_array.h"
#include "radio/memory_map.h"
#include "radio/radio_test_support.h"

namespace orvane::testing {

inline EepromImage ClearedImage(int modelType) {
    EepromImage image = DefaultImage(modelType);
    ChannelArray channels(image, modelType);
    for (int position = 0; position < memory_map::kChannelCount; ++position) {
        channels.Blank(position);
    }
    return image;
}

}  // namespace orvane::testing
