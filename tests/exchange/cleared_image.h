#pragma once
// A model's default image with every channel position blank, as after clearing each bank:
// imports then start at each bank's first row.

#include "image/eeprom_image.h"
#include "radio/channel_array.h"
#include "radio/memory_map.h"
#include "radio/radio_test_support.h"
#include "text/text_resource.h"
#include "text/text_store.h"

namespace orvane::testing {

inline EepromImage ClearedImage(int modelType) {
    EepromImage image = DefaultImage(modelType);
    ChannelArray channels(image, modelType);
    for (int position = 0; position < memory_map::kChannelCount; ++position) {
        channels.Blank(position);
    }
    return image;
}

// The main resource's texts, in which the summaries are told.
inline TextStore& MainTexts() {
    static TextStore texts;
    texts.SetSource(MainResource());  // taken the first time only
    return texts;
}

}  // namespace orvane::testing
