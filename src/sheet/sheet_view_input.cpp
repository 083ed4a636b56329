// The input side of the sheet view: keys on the grid and in the in-place editor, mouse
// clicks and moves, focus changes and scrolling.

#include "sheet/key_codes.h"
#include "sheet/sheet_view.h"

namespace orvane {
namespace {

constexpr int kPageStep = 10;
// How near a column border a double click fits the column.
constexpr int kBorderZone = 4;

}  // namespace

bool SheetView::OnKey(int platformKey, unsigned modifiers, int character) {
    if (!enabled_) {
        return false;
    }
    if (pendingRepeat_) {
        FinishPendingRepeat();
        if (edited_) {
            return false;
        }
    }
    shiftHeld_ = (modifiers & kShift) != 0;
    ResetStatusText();
    CommitEditor();
    switch (platformKey) {
        case key::vk::kPageUp:
        case key::vk::kPageDown:
            Move(0, platformKey == key::vk::kPageUp ? -kPageStep : kPageStep);
            return true;
        case key::vk::kHome:
        case key::vk::kEnd:
            return true;
        case key::vk::kLeft:
        case key::vk::kRight: {
            const GridCell before = current_;
            const bool left = platformKey == key::vk::kLeft;
            Move(left ? -1 : 1, 0);
            // The data model may act on a push past the edge (a channel sheet's last
            // column, for instance).
            if (current_ == before) {
                SendOperation(current_, left ? key::kLeftAtEdge : key::kRightAtEdge, 0);
            }
            return true;
        }
        case key::vk::kUp:
        case key::vk::kDown:
            // Ctrl+Up and Ctrl+Down are popup menu shortcuts.
            if (modifiers == kCtrl) {
                return false;
            }
            Move(0, platformKey == key::vk::kUp ? -1 : 1);
            return true;
        default:
            break;
    }
    if (platformKey >= key::vk::kF1 && platformKey <= key::vk::kF12) {
        SendOperation(current_, key::FromPlatformKey(platformKey), 0);
        return true;
    }
    if (character != 0) {
        SendOperation(current_, character, 0);
        return true;
    }
    return false;
}

bool SheetView::OnEditorKey(int platformKey, unsigned modifiers) {
    switch (platformKey) {
        case key::vk::kReturn:
        case key::vk::kUp:
        case key::vk::kDown:
            // The grid takes the focus back, which commits.
            host_.FocusGrid();
            CommitEditor();
            if (platformKey != key::vk::kReturn) {
                Move(0, platformKey == key::vk::kUp ? -1 : 1);
            }
            return true;
        case key::vk::kEscape:
            CancelEditor();
            host_.FocusGrid();
            return true;
        case key::vk::kPageUp:
        case key::vk::kPageDown:
            host_.FocusGrid();
            CommitEditor();
            OnKey(platformKey, modifiers, 0);
            return true;
        default:
            return false;
    }
}

// The cell a click acts on: a selectable cell, or the owner of a tip cell.
std::optional<GridCell> SheetView::ClickTarget(int column, int row) const {
    const GridCell cell{column, row};
    if (IsSelectable(cell)) {
        return cell;
    }
    if (const auto owner = TipOwnerColumn(column, row)) {
        return GridCell{*owner, row};
    }
    return std::nullopt;
}

void SheetView::OnMouseDown(int column, int row, PixelPoint point, MouseButton button,
                            unsigned modifiers) {
    if (!enabled_) {
        return;
    }
    FinishPendingRepeat();
    shiftHeld_ = (modifiers & kShift) != 0;
    const auto target = ClickTarget(column, row);
    if (button == MouseButton::kLeft) {
        if (target) {
            SelectCell(*target);
        }
        // Noted after the click's own move, so that only dragging extends the selection.
        mouseButtonDown_ = true;
    } else if (button == MouseButton::kRight && target) {
        // A right click inside a line selection keeps it, and the menu acts on it.
        if (!selection_.Active()) {
            SelectCell(*target);
        }
        UpdatePopupMenu(false);
        if (MenuBuilder* menu = popup_.Builder()) {
            host_.ShowPopupMenu(*menu, point);
        }
    }
}

void SheetView::OnMouseUp(int column, int row, PixelPoint point, MouseButton button) {
    if (button != MouseButton::kLeft) {
        return;
    }
    mouseButtonDown_ = false;
    // Releasing the button over a choice picks it.
    if (dialogMode_) {
        OnDoubleClick(column, row, point);
    }
}

void SheetView::OnDoubleClick(int column, int row, PixelPoint point) {
    if (!enabled_) {
        return;
    }
    if (sheet_.Style().columnSizing) {
        FitColumnAtBorder(column, row, point);
    }
    if (ClickTarget(column, row) == current_) {
        SendOperation(current_, key::kDoubleClick, 0);
    }
}

// A double click on a column border in a fixed row fits the column left of the border;
// so does one just right of the last column.
void SheetView::FitColumnAtBorder(int column, int row, PixelPoint point) {
    if (column < 0) {
        const VisibleCells visible = host_.Visible();
        for (int last = visible.lastColumn; last >= 0; --last) {
            const PixelRect rect = host_.CellRect(last, 0);
            if (rect.Width() > 0) {
                if (point.x > rect.right && point.x - (rect.right + 1) <= kBorderZone) {
                    host_.AutoFitColumn(last);
                }
                return;
            }
        }
        return;
    }
    if (row < 0 || row >= sheet_.FixedRowCount()) {
        return;
    }
    const PixelRect rect = host_.CellRect(column, row);
    if (rect.right + 1 - point.x <= kBorderZone) {
        host_.AutoFitColumn(column);
        return;
    }
    if (point.x - rect.left > kBorderZone) {
        return;
    }
    for (int left = column - 1; left >= 0; --left) {
        if (host_.CellRect(left, row).Width() > 0) {
            host_.AutoFitColumn(left);
            return;
        }
    }
}

void SheetView::OnMouseMove(int column, int row) {
    if (!enabled_) {
        return;
    }
    const GridCell cell{column, row};
    if (dialogMode_) {
        // The cursor follows the mouse over the choices.
        if (!edited_ && cell != current_ && IsSelectable(cell)) {
            SelectCell(cell);
        }
    } else if (mouseButtonDown_ && cell != current_ && IsSelectable(cell)) {
        SelectCell(cell);
    }
}

void SheetView::OnFocusChanged(bool focused) {
    ForEachCellOnScreen([this](GridCell cell) {
        if (IsSlotSelected(cell.column, cell.row)) {
            InvalidateCell(cell);
        }
    });
    if (focused) {
        UpdatePopupMenu(true);
    }
}

void SheetView::OnScrolled() { UpdateRememberedPosition(); }

}  // namespace orvane
