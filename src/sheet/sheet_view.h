#pragma once
// The behaviour of one built sheet on screen: the cursor on selectable cells, keys and
// mouse clicks turned into requests to the data model, the multiple selection, the
// in-place editor, the popup menu, repeated keys and the redrawing of changed values.
// The grid widget is humble: it implements GridHost, forwards its input events here and
// asks, while it paints a cell, whether the cell shows as selected.
//
// Contract for the widget:
// - Create the view after the sheet's Build, once the host can answer; destroy it
//   before the sheet. Creating it places the cursor; destroying it posts message 1 with
//   the sheet's address (choice lists opened from the sheet close).
// - Forward key presses to OnKey, or to OnEditorKey while the in-place editor has the
//   focus; mouse events with the cell under the point (-1 for none); focus changes of
//   the grid; scrolling (OnScrolled, also after the view's own scroll requests).
// - Give the grid the focus before forwarding a click: the popup menu is built for the
//   focused grid's current cell.
// - Call CommitEditor when the in-place editor loses the focus other than to the grid.
// - The view is the sheet's listener; title and row-count changes reach the host.
// - Column widths (fitting, limits, saving) are the column-width rules'; the view only
//   asks the host to fit a column on a double click at a column border.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/timer_host.h"
#include "sheet/cursor_walk.h"
#include "sheet/grid_host.h"
#include "sheet/sheet.h"
#include "sheet/sheet_popup_menu.h"
#include "sheet/sheet_selection.h"
#include "sheet/sheet_view_port.h"

namespace orvane {

class CellEvaluator;

class SheetView final : private SheetViewPort, private SheetListener {
public:
    // Modifier bits of input events.
    static constexpr unsigned kShift = 1;
    static constexpr unsigned kCtrl = 2;
    static constexpr unsigned kAlt = 4;
    enum class MouseButton { kLeft, kRight, kOther };

    // `sheet` is built and names its handler in its opening; `timers` paces repeated keys.
    SheetView(Sheet& sheet, GridHost& host, TimerHost& timers);
    ~SheetView() override;
    SheetView(const SheetView&) = delete;
    SheetView& operator=(const SheetView&) = delete;

    // ---- Input --------------------------------------------------------------------
    // A key pressed on the grid: `platformKey` one of key::vk (any other number for
    // other keys), `character` what it types (13 for Enter; 0 for none). Returns false
    // when the view did not take the key; the widget then hands it to the in-place
    // editor if that is open (a key repeated by the data model may have just opened it).
    bool OnKey(int platformKey, unsigned modifiers, int character);
    // A key pressed in the in-place editor. True when the view took it (Enter, Esc, Up,
    // Down, Page Up, Page Down); the editor handles the others itself.
    bool OnEditorKey(int platformKey, unsigned modifiers);
    void OnMouseDown(int column, int row, PixelPoint point, MouseButton button, unsigned modifiers);
    void OnMouseUp(int column, int row, PixelPoint point, MouseButton button);
    void OnDoubleClick(int column, int row, PixelPoint point);
    void OnMouseMove(int column, int row);
    void OnFocusChanged(bool focused);
    void OnScrolled();
    // Sends the editor's text to the data model and closes it; nothing when it is closed.
    void CommitEditor();

    // ---- State for painting ---------------------------------------------------------
    // No cell is current on a sheet without selectable cells: kNoCell.
    static constexpr GridCell kNoCell{-1, -1};
    GridCell Current() const { return current_; }
    // The cursor cell, or a line-selectable slot that is marked or row-highlighted.
    bool IsSlotSelected(int column, int row) const;
    // The selectable cell a tip cell belongs to: the nearest one to its left.
    std::optional<int> TipOwnerColumn(int column, int row) const;
    std::optional<GridCell> EditedCell() const { return edited_; }
    // False for a sheet without selectable cells: it takes no input.
    bool IsEnabled() const { return enabled_; }
    // The popup menu of the current cell; null when it has none.
    MenuBuilder* PopupMenu() const { return popup_.Builder(); }

    // ---- Operations ----------------------------------------------------------------
    // Hands a key, a menu command or committed text for a cell to the data model and
    // acts on the answer.
    void SendOperation(GridCell cell, std::int32_t keyCode, std::int32_t commandId,
                       std::optional<std::string> text = std::nullopt);
    // Moves the cursor as a click on the cell would; false when the cell cannot be
    // selected.
    bool MoveCursorTo(GridCell cell) { return SelectCell(cell); }

private:
    // SheetViewPort
    const SheetCell* PopupOwnerCell(std::intptr_t popupRoot) const override;
    void Refresh(const CellLink& reference, std::uint32_t mask) override;
    void FinishCellEdit() override;
    void OnSheetDestroyed(std::intptr_t sheet) override;
    // SheetListener
    void OnTitleChanged(const Sheet& sheet) override;
    void OnRowCountChanged(const Sheet& sheet) override;

    bool InGrid(GridCell cell) const;
    bool IsSelectable(GridCell cell) const;
    bool CanSelect(GridCell cell) const;
    std::optional<GridCell> FindSelectable(const std::optional<CellLink>& link,
                                           bool compareCategory) const;
    void PlaceCursor();
    // Moves the cursor when the current-cell rules allow it. Unless `quiet` (the view
    // itself moving the cursor in the middle of something), a move resets the status
    // text, updates the popup menu and the multiple selection and commits the editor.
    bool SelectCell(GridCell cell, bool quiet = false);
    void Move(int dx, int dy);
    void ApplyScrollRules(GridCell cell);
    void UpdateRememberedPosition();
    std::optional<GridCell> ClickTarget(int column, int row) const;
    void FitColumnAtBorder(int column, int row, PixelPoint point);

    void InvalidateCell(GridCell cell);
    void InvalidateRowFrom(int row, int firstColumn);
    // The fixed cells and the scrolling cells that show.
    void ForEachCellOnScreen(const std::function<void(GridCell)>& visit) const;
    void ResetStatusText();
    void PostMenuRefresh();
    void UpdatePopupMenu(bool forced);

    CellRequest MakeRequest(GridCell cell);
    void RunOperation(GridCell cell, std::int32_t keyCode, std::int32_t commandId,
                      std::optional<std::string> text, int repetition);
    void CommitChoice(CellRequest& request);
    void FinishOperation(const CellRequest& request);
    void ScheduleRepeat(std::int32_t keyCode, int repetition);
    void RunPendingRepeat();
    void FinishPendingRepeat();
    void OpenEditor(GridCell cell, const std::string& text, int selStart, int selLength);
    void CancelEditor();

    struct PendingRepeat {
        std::int32_t keyCode;
        int repetition;  // how many repetitions ran before this one
    };

    Sheet& sheet_;
    GridHost& host_;
    CellEvaluator& handler_;
    bool dialogMode_;
    SheetSelection selection_;
    SheetPopupMenu popup_;
    std::unique_ptr<Timer> repeatTimer_;
    std::optional<PendingRepeat> pendingRepeat_;
    GridCell current_;
    std::optional<GridCell> popupCell_;  // the cell the popup menu was last updated for
    std::optional<GridCell> edited_;     // where the in-place editor is open
    int rowCount_;
    bool enabled_ = false;
    bool shiftHeld_ = false;
    bool mouseButtonDown_ = false;
};

}  // namespace orvane
