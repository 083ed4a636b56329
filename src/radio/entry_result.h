#pragma once
// What a value entry did with a request: whether the value changed and must be stored,
// and what the caller is to open (an evaluation result).

#include "sheet/cell_evaluator.h"

namespace orvane {

struct EntryResult {
    bool changed = false;
    CellOpening open = CellOpening::kNothingToOpen;
};

}  // namespace orvane
