#include "radio/cell_evaluation.h"

#include "radio/entry_keys.h"
#include "sheet/sheet_cell.h"

namespace orvane {

CellEvaluation::CellEvaluation(CellRequest& request, EepromImage& image,
                               const RadioConfiguration& options, ChoiceLists& lists)
    : request(request),
      cell(*request.cell),
      owner(request.cell),
      options(options),
      channels(image, options.modelType),
      banks(image),
      checks(image, options),
      lists(lists) {}

void CellEvaluation::ReadOnly() {
    request.textColour = paint::kReadOnly;
    const std::int32_t code = request.keyCode;
    const bool editingKey = (code >= 1 && code <= key::kLastPrintable) || code == key::kBeginEdit;
    editRestricted = request.fromGrid && editingKey;
}

void CellEvaluation::SetWarning(bool on) {
    if (on) {
        request.flags |= CellRequest::kWarning;
    }
}

void CellEvaluation::SetError(bool on) {
    if (on) {
        request.flags |= CellRequest::kError;
    }
}

void CellEvaluation::TakeEntry(const EntryResult& result) {
    if (result.open != CellOpening::kNothingToOpen) {
        open = result.open;
    }
}

void CellEvaluation::StoreChannel(std::uint32_t mask) {
    channels.StoreAndReload(channel);
    notify |= mask;
}

}  // namespace orvane
