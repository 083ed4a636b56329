#include "radio/separator_cells.h"

#include "radio/cell_evaluation.h"
#include "sheet/sheet_cell.h"

namespace orvane {

void SeparatorCells::Evaluate(CellEvaluation& evaluation) {
    const CellId id = evaluation.cell.link.cellId;
    const bool quarter = id == cell::kMiscQuarterPillar || id == cell::kMiscQuarterPillarSpecial ||
                         id == cell::kMiscQuarterPillarTX;
    evaluation.request.fillColour = paint::kSeparator;
    evaluation.request.fillTenths = quarter ? 3 : 10;
}

}  // namespace orvane
