#pragma once
// What the creator of a sheet shown on screen gives it besides the definition: the data
// model that answers its cells, the request of the cell a choice list was opened for,
// and the cell the cursor starts on.

#include <optional>

#include "sheet/cell_link.h"
#include "sheet/cell_request.h"

namespace orvane {

class CellEvaluator;

struct SheetOpening {
    CellEvaluator* handler = nullptr;
    // A copy of the request that opened this sheet (choice lists); a choice commits a
    // copy of it.
    std::optional<CellRequest> parentRequest;
    // Without a remembered position the cursor starts on the first selectable cell with
    // this cellId and index (the category is not compared).
    std::optional<CellLink> focus;
};

}  // namespace orvane
