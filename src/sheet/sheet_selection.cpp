#include "sheet/sheet_selection.h"

#include <algorithm>
#include <cstdlib>

#include "sheet/sheet.h"

namespace orvane {
namespace {

bool Between(int end1, int end2, int value) {
    return value >= std::min(end1, end2) && value <= std::max(end1, end2);
}

}  // namespace

SheetSelection::SheetSelection(Sheet& sheet, Invalidate invalidate)
    : sheet_(sheet), invalidate_(std::move(invalidate)) {}

bool SheetSelection::Enabled() const { return sheet_.Style().multiSelect != MultiSelectMode::Off; }

bool SheetSelection::LineSelectable(GridCell cell) const {
    return (sheet_.SlotAt(cell.column, cell.row).flags & CellSlot::kLineSelectable) != 0;
}

std::uint8_t SheetSelection::Marks(GridCell cell) const {
    return sheet_.SlotAt(cell.column, cell.row).flags & CellSlot::kSelectionMarks;
}

bool SheetSelection::Holds(GridCell cell) const { return LineSelectable(cell) && Marks(cell) != 0; }

void SheetSelection::SetMarks(GridCell cell, std::uint8_t marks) {
    if (Marks(cell) != marks) {
        sheet_.SetSelectionMarks(cell.column, cell.row, marks);
        invalidate_(cell);
    }
}

void SheetSelection::Mark(GridCell cell, bool marked) {
    const std::uint8_t others = Marks(cell) & ~CellSlot::kMarked;
    SetMarks(cell, marked ? others | CellSlot::kMarked : others);
}

void SheetSelection::UnmarkAll() {
    for (int row = 0; row < sheet_.RowCount(); ++row) {
        for (int column = 0; column < sheet_.ColumnCount(); ++column) {
            Mark({column, row}, false);
        }
    }
}

void SheetSelection::CursorMoved(GridCell from, GridCell to, bool extending) {
    if (!Enabled()) {
        return;
    }
    const bool applicable = (from != to || active_) && LineSelectable(from) && LineSelectable(to);
    if (!extending || !applicable || !anchor_) {
        anchor_ = to;
    }
    if (extending && applicable) {
        // Within the box around anchor, old and new cursor, exactly the cells between
        // the anchor and the new cursor are marked.
        const int left = std::min({anchor_->column, from.column, to.column});
        const int right = std::max({anchor_->column, from.column, to.column});
        const int top = std::min({anchor_->row, from.row, to.row});
        const int bottom = std::max({anchor_->row, from.row, to.row});
        for (int row = top; row <= bottom; ++row) {
            for (int column = left; column <= right; ++column) {
                if (sheet_.CellAt(column, row).IsSelectable()) {
                    Mark({column, row}, Between(anchor_->column, to.column, column) &&
                                            Between(anchor_->row, to.row, row));
                }
            }
        }
        active_ = true;
    } else if (active_) {
        UnmarkAll();
        active_ = false;
    } else {
        Mark(from, false);
    }
    Mark(to, true);
    UpdateRowHighlights();
}

void SheetSelection::Clear() {
    if (!Enabled()) {
        return;
    }
    UnmarkAll();
    active_ = false;
    UpdateRowHighlights();
}

void SheetSelection::RestartAt(GridCell cursor) {
    if (!Enabled()) {
        return;
    }
    UnmarkAll();
    active_ = false;
    anchor_ = cursor;
    Mark(cursor, true);
    UpdateRowHighlights();
}

void SheetSelection::SelectRange(GridCell cursor, std::int32_t from, std::int32_t to) {
    if (!Enabled()) {
        return;
    }
    UnmarkAll();
    const CellLink current = sheet_.CellAt(cursor.column, cursor.row).link;
    const std::int32_t farEnd =
        std::abs(current.index - from) >= std::abs(current.index - to) ? from : to;
    anchor_ = cursor;
    for (int row = 0; row < sheet_.RowCount(); ++row) {
        for (int column = 0; column < sheet_.ColumnCount(); ++column) {
            const SheetCell& cell = sheet_.CellAt(column, row);
            if (!cell.IsSelectable() || cell.link.cellId != current.cellId ||
                !Between(from, to, cell.link.index)) {
                continue;
            }
            Mark({column, row}, true);
            if (column == cursor.column && cell.link.index == farEnd) {
                anchor_ = GridCell{column, row};
            }
        }
    }
    active_ = true;
    UpdateRowHighlights();
}

void SheetSelection::RowsRemoved(int firstRemoved, int oldCount) {
    for (int row = firstRemoved; row < oldCount; ++row) {
        for (int column = 0; column < sheet_.ColumnCount(); ++column) {
            sheet_.SetSelectionMarks(column, row, 0);
        }
    }
    if (anchor_ && anchor_->row >= firstRemoved) {
        anchor_.reset();
    }
}

// Line mode shows a selection as whole rows: every row holding a marked slot is
// highlighted right of the fixed columns.
void SheetSelection::UpdateRowHighlights() {
    const bool highlighting = active_ && sheet_.Style().multiSelect == MultiSelectMode::Line;
    if (!highlighting && highlightsClear_) {
        return;
    }
    for (int row = 0; row < sheet_.RowCount(); ++row) {
        bool rowMarked = false;
        for (int column = 0; column < sheet_.ColumnCount() && highlighting; ++column) {
            rowMarked = rowMarked || (Marks({column, row}) & CellSlot::kMarked) != 0;
        }
        for (int column = sheet_.FixedColumnCount(); column < sheet_.ColumnCount(); ++column) {
            const std::uint8_t others = Marks({column, row}) & ~CellSlot::kRowHighlighted;
            SetMarks({column, row}, rowMarked ? others | CellSlot::kRowHighlighted : others);
        }
    }
    highlightsClear_ = !highlighting;
}

}  // namespace orvane
