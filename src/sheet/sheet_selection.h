#pragma once
// The multiple selection of a sheet view (sheets with MultiSelect): the anchor where a
// selection started, the marks of the slots between it and the cursor and, in line
// mode, the highlight of every row that holds a mark. The marks live in the sheet's
// slots; every slot whose marks change is redrawn. Without MultiSelect nothing is ever
// marked.

#include <cstdint>
#include <functional>
#include <optional>

#include "sheet/cursor_walk.h"

namespace orvane {

class Sheet;

class SheetSelection {
public:
    using Invalidate = std::function<void(GridCell)>;

    SheetSelection(Sheet& sheet, Invalidate invalidate);

    // A line selection is active: the cursor keeps to line-selectable rows, and requests
    // carry the range between the anchor's row and the cursor's.
    bool Active() const { return active_; }
    std::optional<GridCell> Anchor() const { return anchor_; }
    // Whether the slot shows as selected besides the cursor: a line-selectable slot that
    // is marked or in a highlighted row.
    bool Holds(GridCell cell) const;

    // The cursor went from `from` to `to` (the same cell when asked to stay);
    // `extending` while Shift or the mouse button is held.
    void CursorMoved(GridCell from, GridCell to, bool extending);
    // Unmarks everything and ends the selection.
    void Clear();
    // Ends any selection and starts afresh at the cursor: its slot marked, the anchor
    // there.
    void RestartAt(GridCell cursor);
    // Selects the selectable cells with the cursor cell's cellId and an index within
    // from..to; the anchor goes to the cursor's column in the row of the end of the
    // range away from the cursor.
    void SelectRange(GridCell cursor, std::int32_t from, std::int32_t to);
    // Rows from `firstRemoved` to `oldCount` - 1 left the grid; they lose their marks.
    void RowsRemoved(int firstRemoved, int oldCount);

private:
    bool Enabled() const;
    bool LineSelectable(GridCell cell) const;
    std::uint8_t Marks(GridCell cell) const;
    void SetMarks(GridCell cell, std::uint8_t marks);
    void Mark(GridCell cell, bool marked);
    void UnmarkAll();
    void UpdateRowHighlights();

    Sheet& sheet_;
    Invalidate invalidate_;
    std::optional<GridCell> anchor_;
    bool active_ = false;
    bool highlightsClear_ = true;
};

}  // namespace orvane
