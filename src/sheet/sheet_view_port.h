#pragma once
// What a sheet asks of the view that shows it on screen when the message bus speaks to
// the sheet. The sheet holds the one bus subscription; without a view it ignores these
// messages.

#include <cstdint>

#include "sheet/cell_link.h"

namespace orvane {

struct SheetCell;

class SheetViewPort {
public:
    virtual ~SheetViewPort() = default;
    // The cell the commands of the popup menu rooted at `popupRoot` act on (message 14);
    // null when that menu is not this view's.
    virtual const SheetCell* PopupOwnerCell(std::intptr_t popupRoot) const = 0;
    // Redraws the cells on screen that `mask` selects around `reference` (messages
    // 15..20 and the requests' refresh callback).
    virtual void Refresh(const CellLink& reference, std::uint32_t mask) = 0;
    // Message 23: commit the in-place editor; a choice list closes.
    virtual void FinishCellEdit() = 0;
    // Message 1: the view of the sheet at `sheet` went away.
    virtual void OnSheetDestroyed(std::intptr_t sheet) = 0;
};

}  // namespace orvane
