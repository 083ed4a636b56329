#include "radio/choice_row_cells.h"

#include "radio/cell_evaluation.h"
#include "radio/frequency.h"
#include "sheet/sheet_cell.h"

namespace orvane {
namespace {

constexpr int kDuplexRow = 1;

}  // namespace

void ChoiceRowCells::Evaluate(CellEvaluation& evaluation) {
    evaluation.request.text = evaluation.cell.text;
    if (evaluation.cell.link.cellId == cell::kFlexMarking) {
        MarkDuplexRow(evaluation);
    }
}

void ChoiceRowCells::MarkDuplexRow(CellEvaluation& evaluation) {
    const CellRequest* ownerRequest = evaluation.request.parentRequest;
    if (evaluation.cell.link.index != kDuplexRow || ownerRequest == nullptr ||
        ownerRequest->cell == nullptr || ownerRequest->cell->link.cellId != cell::kMchDup) {
        return;
    }
    const RadioConfiguration& options = evaluation.options;
    const MemoryChannel channel =
        evaluation.channels.Load(MemoryChannel::kMemory, ownerRequest->cell->link.index);
    const bool navToCom = kNavBand.Contains(channel.rxHz) && kComBand.Contains(channel.txHz);
    if (!navToCom && !(options.Wx() && channel.HasWx()) && options.Vor() && options.BankMode()) {
        evaluation.SetWarning(true);
        evaluation.request.markPosition = MarkPosition::kRight;
    }
}

}  // namespace orvane
