#pragma once
// Showing and entering a channel's RX or TX frequency: typed text is read as megahertz
// and rounded to the tuning raster; a first frequency makes a blank channel usable.

#include "radio/entry_result.h"

namespace orvane {

struct CellRequest;
struct MemoryChannel;

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

EntryResult FrequencyEntry(CellRequest& request, MemoryChannel& channel, const FrequencyCell& cell,
                           const FrequencyRaster& raster);

}  // namespace orvane
