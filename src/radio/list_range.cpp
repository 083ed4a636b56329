#include "radio/cell_evaluation.h"
#include "radio/cell_names.h"
#include "radio/list_operations.h"
#include "radio/memory_map.h"
#include "sheet/sheet_cell.h"

namespace orvane {

ListKind ListKindOf(const SheetCell& cell) {
    const CellCategory category = cell.link.category;
    return category >= category::kNull && category <= category::kNone
               ? CellNames::ListKindOfCategory(category)
               : ListKind::None;
}

ListRange ListRangeOf(const CellEvaluation& evaluation) {
    if (evaluation.owner != nullptr && ListKindOf(*evaluation.owner) == ListKind::Banks) {
        return {0, memory_map::kBankCount - 1, ListRange::kNoBank, 0};
    }
    if (evaluation.BankMode()) {
        return {evaluation.bank.first, evaluation.bank.last, evaluation.bank.bank,
                evaluation.bank.capacity};
    }
    return {0, memory_map::kExportChannelCount - 1, ListRange::kNoBank, 0};
}

}  // namespace orvane
