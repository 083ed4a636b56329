#pragma once
// The items of the channel and bank popup menus: each evaluation enables or disables
// the item for the cell the menu was opened on.

#include <array>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"
#include "radio/list_operations.h"

namespace orvane {

// Whether list command `item` (83..89) can act on the evaluation's owner cell within
// `range`; `clipboardHolds` tells whether Paste has channels of the owner's list.
bool ListCommandDisabled(CellId item, const CellEvaluation& evaluation, const ListRange& range,
                         bool clipboardHolds);

class PopupItemCells final : public CellBinding {
public:
    static constexpr std::array<CellId, 10> kCells = {
        cell::kPMenuNoItem, cell::kPMenuEdit,    cell::kPMenuHelp,      cell::kPMenuCopy,
        cell::kPMenuPaste,  cell::kPMenuCarryUp, cell::kPMenuCarryDown, cell::kPMenuClear,
        cell::kPMenuDelete, cell::kPMenuInsert};

    // Follows the evaluator's list operations as they are set and reset.
    explicit PopupItemCells(ListOperations* const& operations) : operations_(operations) {}
    void Evaluate(CellEvaluation& evaluation) override;

private:
    ListOperations* const& operations_;
};

}  // namespace orvane
