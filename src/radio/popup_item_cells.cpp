#include "radio/popup_item_cells.h"

#include "radio/cell_evaluation.h"
#include "radio/memory_map.h"
#include "sheet/sheet_cell.h"

namespace orvane {
namespace {

bool BankTableCommandDisabled(CellId item, int bank) {
    switch (item) {
        case cell::kPMenuCarryUp:
            return bank <= 0;
        case cell::kPMenuCarryDown:
            return false;
        default:
            return true;  // the bank table has no other list commands
    }
}

bool BankChannelCommandDisabled(CellId item, int position, const ListRange& range) {
    const bool beyond = position > range.last || position < range.first || range.capacity == 0;
    switch (item) {
        case cell::kPMenuCarryUp:
            return beyond || position == range.first;
        case cell::kPMenuCarryDown:
            return beyond || position == range.last;
        case cell::kPMenuInsert:
            return false;
        default:
            return beyond;
    }
}

bool ExportChannelCommandDisabled(CellId item, int position, bool clipboardHolds) {
    switch (item) {
        case cell::kPMenuPaste:
            return !clipboardHolds;
        case cell::kPMenuCarryUp:
            return position <= 0;
        case cell::kPMenuCarryDown:
            return position >= memory_map::kExportChannelCount - 1;
        default:
            return false;
    }
}

}  // namespace

bool ListCommandDisabled(CellId item, const CellEvaluation& evaluation, const ListRange& range,
                         bool clipboardHolds) {
    if (evaluation.owner == nullptr) {
        return true;
    }
    const int position = evaluation.owner->link.index;
    switch (ListKindOf(*evaluation.owner)) {
        case ListKind::Banks:
            return BankTableCommandDisabled(item, position);
        case ListKind::Channels:
            return evaluation.BankMode()
                       ? BankChannelCommandDisabled(item, position, range)
                       : ExportChannelCommandDisabled(item, position, clipboardHolds);
        default:
            return true;
    }
}

void PopupItemCells::Evaluate(CellEvaluation& evaluation) {
    SheetCell& item = evaluation.cell;
    item.state &= static_cast<std::uint8_t>(~SheetCell::kItemDisabled);
    bool disabled = false;
    switch (item.link.cellId) {
        case cell::kPMenuNoItem:
            disabled = true;
            break;
        case cell::kPMenuEdit:
        case cell::kPMenuHelp:
            break;
        default:
            if (operations_ == nullptr) {
                disabled = true;  // nothing would run the command
            } else {
                const ListKind kind =
                    evaluation.owner != nullptr ? ListKindOf(*evaluation.owner) : ListKind::None;
                disabled =
                    ListCommandDisabled(item.link.cellId, evaluation, ListRangeOf(evaluation),
                                        operations_->ClipboardHolds(kind));
            }
            break;
    }
    if (disabled) {
        item.state |= SheetCell::kItemDisabled;
    }
}

}  // namespace orvane
