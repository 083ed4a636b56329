#pragma once
// Showing and entering a channel's RX or TX frequency: typed text is read as megahertz
// and rounded to the tuning raster; a first frequency makes a blank channel usable.

#include "radio/entry_result.h"
#include "radio/frequency_cell.h"

namespace orvane {

struct CellRequest;
struct MemoryChannel;

EntryResult FrequencyEntry(CellRequest& request, MemoryChannel& channel, const FrequencyCell& cell,
                           const FrequencyRaster& raster);

}  // namespace orvane
