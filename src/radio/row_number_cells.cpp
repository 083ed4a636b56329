#include "radio/row_number_cells.h"

#include <cstdio>

#include "radio/cell_evaluation.h"
#include "sheet/sheet_cell.h"
#include "text/text_store.h"

namespace orvane {

void RowNumberCells::Evaluate(CellEvaluation& evaluation) {
    const int index = evaluation.cell.link.index;
    std::string& text = evaluation.request.text;
    switch (evaluation.cell.link.cellId) {
        case cell::kMiscChNo0Base:
            text = std::to_string(index);
            break;
        case cell::kMiscChNo1Base:
            text = std::to_string(index + 1);
            break;
        default:
            // This cell's index is the row within the list, not the channel position.
            if (!evaluation.BankMode()) {
                text = std::to_string(index);
            } else if (index == evaluation.bank.capacity) {
                text = texts_.FirstLine("GI_NewChTitle");
            } else {
                char number[32];
                std::snprintf(number, sizeof number, "%d-%2d", evaluation.bank.bank, index);
                text = number;
            }
            break;
    }
}

}  // namespace orvane
