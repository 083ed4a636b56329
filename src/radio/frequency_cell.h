#pragma once
// What a frequency cell is: which of a channel's frequencies it shows and how, and the
// tuning raster its entries are rounded to.

namespace orvane {

struct FrequencyRaster {
    int spacing = 0;  // 0 25 kHz, 1 8.33 kHz, 2 both
    bool spacing833Allowed = false;
};

struct FrequencyCell {
    bool rxCell = true;
    // Left-aligned instead of right-aligned.
    bool noAlignMarks = false;
    // The home VFO record: always shown, never blank.
    bool homeForm = false;
};

}  // namespace orvane
