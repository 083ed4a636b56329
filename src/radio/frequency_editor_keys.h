#pragma once
// The keys that open the in-place editor on a frequency cell, and the text and selection
// the editor starts with.

#include "radio/frequency_cell.h"
#include "sheet/cell_evaluator.h"

namespace orvane {

struct CellRequest;
struct MemoryChannel;

// `request.text` holds the cell's shown frequency. A point starts editing after the
// shown point, '=' on a TX cell starts from the RX frequency, a digit starts a new
// frequency, Enter edits the shown one (nothing on a blank channel).
CellOpening OpenFrequencyEditor(CellRequest& request, const MemoryChannel& channel,
                                const FrequencyCell& cell);

}  // namespace orvane
