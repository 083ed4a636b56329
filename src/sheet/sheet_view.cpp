#include "sheet/sheet_view.h"

#include <algorithm>

#include "base/fatal.h"
#include "sheet/cell_evaluator.h"
#include "sheet/cell_vocabulary.h"
#include "sheet/colour_table.h"
#include "sheet/key_codes.h"
#include "sheet/refresh_mask.h"
#include "sheet/sheet_messages.h"

namespace orvane {
namespace {

CellEvaluator& HandlerOf(const Sheet& sheet) {
    if (sheet.Opening().handler == nullptr) {
        Fatal("A sheet on screen needs a handler");
    }
    return *sheet.Opening().handler;
}

MenuEnvironment MenuEnvironmentOf(const Sheet& sheet) {
    const SheetEnvironment& environment = sheet.Environment();
    return MenuEnvironment{environment.textStore, environment.vocabulary, environment.bus,
                           HandlerOf(sheet)};
}

}  // namespace

SheetView::SheetView(Sheet& sheet, GridHost& host, TimerHost& timers)
    : sheet_(sheet),
      host_(host),
      handler_(HandlerOf(sheet)),
      dialogMode_(sheet.Options().dialogMode),
      selection_(sheet, [this](GridCell cell) { InvalidateCell(cell); }),
      popup_(MenuEnvironmentOf(sheet),
             sheet.Environment().vocabulary.CellIdFromName("CL_Menu_Edit_Top"),
             [this](MenuItem& item) {
                 if (item.HasCommandCell()) {
                     SendOperation(current_, key::kNone, item.cell->link.cellId);
                 }
             }),
      repeatTimer_(timers.CreateTimer([this] { RunPendingRepeat(); })),
      rowCount_(sheet.RowCount()) {
    sheet_.AttachView(this);
    sheet_.SetListener(this);
    PlaceCursor();
    host_.InvalidateAll();
    UpdatePopupMenu(false);
}

SheetView::~SheetView() {
    sheet_.AttachView(nullptr);
    sheet_.SetListener(nullptr);
    sheet_.Environment().bus.Post(message::kSheetDestroyed, 0,
                                  reinterpret_cast<std::intptr_t>(&sheet_), true);
}

// ---- Cursor -----------------------------------------------------------------------

bool SheetView::InGrid(GridCell cell) const {
    return cell.column >= 0 && cell.row >= 0 && cell.column < sheet_.ColumnCount() &&
           cell.row < sheet_.RowCount();
}

bool SheetView::IsSelectable(GridCell cell) const {
    return InGrid(cell) && sheet_.CellAt(cell.column, cell.row).IsSelectable();
}

// While a line selection is active the cursor keeps to the rows that take part in it.
bool SheetView::CanSelect(GridCell cell) const {
    return IsSelectable(cell) &&
           (!selection_.Active() ||
            (sheet_.SlotAt(cell.column, cell.row).flags & CellSlot::kLineSelectable) != 0);
}

// The first selectable cell, row by row, with `link` when one is given.
std::optional<GridCell> SheetView::FindSelectable(const std::optional<CellLink>& link,
                                                  bool compareCategory) const {
    for (int row = 0; row < sheet_.RowCount(); ++row) {
        for (int column = 0; column < sheet_.ColumnCount(); ++column) {
            const SheetCell& cell = sheet_.CellAt(column, row);
            if (!cell.IsSelectable()) {
                continue;
            }
            if (!link || (cell.link.cellId == link->cellId && cell.link.index == link->index &&
                          (!compareCategory || cell.link.category == link->category))) {
                return GridCell{column, row};
            }
        }
    }
    return std::nullopt;
}

void SheetView::PlaceCursor() {
    current_ = GridCell{sheet_.FixedColumnCount(), sheet_.FixedRowCount()};
    if (const auto first = FindSelectable(std::nullopt, false)) {
        current_ = *first;
        ApplyScrollRules(current_);
    }
    const SheetPosition remembered = sheet_.RememberedPosition();
    const GridCell rememberedCell{remembered.column, remembered.row};
    if (IsSelectable(rememberedCell)) {
        if (remembered.leftColumn >= 0) {
            host_.SetLeftColumn(std::max(remembered.leftColumn, sheet_.FixedColumnCount()));
        }
        if (remembered.topRow >= 0) {
            host_.SetTopRow(std::max(remembered.topRow, sheet_.FixedRowCount()));
        }
        SelectCell(rememberedCell, true);
    } else if (const auto focus = FindSelectable(sheet_.Opening().focus, false)) {
        SelectCell(*focus, true);
    }
    enabled_ = IsSelectable(current_);
    host_.SetGridEnabled(enabled_);
    if (!enabled_) {
        // Nothing to select: no cell shows as the current one.
        current_ = kNoCell;
        return;
    }
    selection_.RestartAt(current_);
    UpdateRememberedPosition();
}

bool SheetView::SelectCell(GridCell cell, bool quiet) {
    if (!CanSelect(cell)) {
        return false;
    }
    const GridCell old = current_;
    current_ = cell;
    host_.ScrollIntoView(cell.column, cell.row);
    InvalidateCell(old);
    InvalidateCell(cell);
    UpdateRememberedPosition();
    if (quiet) {
        return true;
    }
    ResetStatusText();
    // The current row is tinted.
    if (old.row != cell.row && !dialogMode_) {
        InvalidateRowFrom(old.row, sheet_.FixedColumnCount());
        InvalidateRowFrom(cell.row, sheet_.FixedColumnCount());
    }
    UpdatePopupMenu(false);
    selection_.CursorMoved(old, cell, shiftHeld_ || mouseButtonDown_);
    CommitEditor();
    return true;
}

// Steps one cell at a time; a choice list without scroll bars wraps round single
// steps, other sheets look for the nearest cell in the following rows or columns.
void SheetView::Move(int dx, int dy) {
    const int steps = dx != 0 ? std::abs(dx) : std::abs(dy);
    CursorStep step;
    step.dx = dx != 0 ? (dx > 0 ? 1 : -1) : 0;
    step.dy = dx != 0 ? 0 : (dy > 0 ? 1 : -1);
    step.wrap = dialogMode_ && steps == 1 && !host_.ShowsScrollBars();
    step.nearestInNextLanes = !dialogMode_;
    GridCell target = current_;
    for (int i = 0; i < steps; ++i) {
        const auto next = StepCursor(target, step, sheet_.ColumnCount(), sheet_.RowCount(),
                                     [this](GridCell cell) { return IsSelectable(cell); });
        if (next) {
            target = *next;
        }
    }
    SelectCell(target);
    ApplyScrollRules(current_);
}

// Near the first selectable column or row the sheet scrolls fully back, so the labels
// before them show.
void SheetView::ApplyScrollRules(GridCell cell) {
    if (sheet_.FirstSelectableColumn() >= cell.column) {
        host_.SetLeftColumn(sheet_.FixedColumnCount());
    }
    if (sheet_.FirstSelectableRow() >= cell.row) {
        host_.SetTopRow(sheet_.FixedRowCount());
    }
}

// The creator keeps the position when the sheet closes and gives it back on reopening.
void SheetView::UpdateRememberedPosition() {
    const VisibleCells visible = host_.Visible();
    SheetPosition& position = sheet_.RememberedPosition();
    position.column = current_.column;
    position.row = current_.row;
    position.leftColumn = visible.firstColumn;
    position.topRow = visible.firstRow;
}

// ---- Painting state and invalidation ------------------------------------------------

bool SheetView::IsSlotSelected(int column, int row) const {
    const GridCell cell{column, row};
    return cell == current_ || (InGrid(cell) && selection_.Holds(cell));
}

std::optional<int> SheetView::TipOwnerColumn(int column, int row) const {
    if (!InGrid({column, row}) || !sheet_.CellAt(column, row).IsTip()) {
        return std::nullopt;
    }
    for (int owner = column - 1; owner >= 0; --owner) {
        if (sheet_.CellAt(owner, row).IsSelectable()) {
            return owner;
        }
    }
    return std::nullopt;
}

// A cell that spans the covered cells to its right repaints them with it.
void SheetView::InvalidateCell(GridCell cell) {
    if (!InGrid(cell)) {
        return;
    }
    host_.InvalidateCell(cell.column, cell.row);
    for (int column = cell.column + 1;
         column < sheet_.ColumnCount() && sheet_.CellAt(column, cell.row).IsCovered(); ++column) {
        host_.InvalidateCell(column, cell.row);
    }
}

void SheetView::InvalidateRowFrom(int row, int firstColumn) {
    const VisibleCells visible = host_.Visible();
    const int first = std::max(firstColumn, visible.firstColumn);
    for (int column = first; column <= visible.lastColumn; ++column) {
        InvalidateCell({column, row});
    }
}

void SheetView::ForEachCellOnScreen(const std::function<void(GridCell)>& visit) const {
    const VisibleCells visible = host_.Visible();
    const auto onScreen = [](int index, int fixed, int first, int last) {
        return index < fixed || (index >= first && index <= last);
    };
    for (int row = 0; row < sheet_.RowCount(); ++row) {
        if (!onScreen(row, sheet_.FixedRowCount(), visible.firstRow, visible.lastRow)) {
            continue;
        }
        for (int column = 0; column < sheet_.ColumnCount(); ++column) {
            if (onScreen(column, sheet_.FixedColumnCount(), visible.firstColumn,
                         visible.lastColumn)) {
                visit(GridCell{column, row});
            }
        }
    }
}

void SheetView::Refresh(const CellLink& reference, std::uint32_t mask) {
    ForEachCellOnScreen([&](GridCell cell) {
        if (refresh::Matches(reference, mask, sheet_.CellAt(cell.column, cell.row).link)) {
            host_.RefreshCell(cell.column, cell.row);
        }
    });
}

// ---- Bus and sheet events ---------------------------------------------------------

void SheetView::ResetStatusText() {
    sheet_.Environment().bus.PostText(message::kStatusText, colour::kWindowText, colour::kBtnFace,
                                      "", true);
}

void SheetView::PostMenuRefresh() {
    sheet_.Environment().bus.Post(message::kRefreshMenuStates, 0, 0, true);
}

void SheetView::UpdatePopupMenu(bool forced) {
    if (!enabled_ || !host_.GridHasFocus() || (!forced && popupCell_ == current_)) {
        return;
    }
    popupCell_ = current_;
    popup_.Show(sheet_.CellAt(current_.column, current_.row).ResolvePopupMenu().value_or(""),
                forced);
    PostMenuRefresh();
}

const SheetCell* SheetView::PopupOwnerCell(std::intptr_t popupRoot) const {
    const MenuBuilder* menu = popup_.Builder();
    if (menu == nullptr || popupRoot != reinterpret_cast<std::intptr_t>(&menu->Root())) {
        return nullptr;
    }
    return &sheet_.CellAt(current_.column, current_.row);
}

void SheetView::FinishCellEdit() {
    if (dialogMode_) {
        host_.HideHost();
        return;
    }
    CommitEditor();
}

void SheetView::OnSheetDestroyed(std::intptr_t sheet) {
    const auto& opener = sheet_.Opening().parentRequest;
    if (dialogMode_ && opener && reinterpret_cast<std::intptr_t>(opener->sheet) == sheet) {
        host_.HideHost();
    }
}

void SheetView::OnTitleChanged(const Sheet&) { host_.TitleChanged(); }

// A bank sheet lost or gained rows: marks of the lost rows go, and a cursor that was on
// one moves up into the grid.
void SheetView::OnRowCountChanged(const Sheet&) {
    const int rows = sheet_.RowCount();
    if (rows < rowCount_) {
        selection_.RowsRemoved(rows, rowCount_);
        if (edited_ && edited_->row >= rows) {
            CancelEditor();
        }
    }
    rowCount_ = rows;
    host_.RowCountChanged();
    for (int row = rows - 1; current_.row >= rows && row >= 0; --row) {
        SelectCell({current_.column, row}, true);
    }
}

}  // namespace orvane
