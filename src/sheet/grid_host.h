#pragma once
// What a sheet view needs from the grid widget that shows it: where the cells are on
// screen, scrolling, repainting, the keyboard focus, the in-place editor, the popup menu
// and the windows a view opens or closes. The desktop program's grid widget implements
// it; tests use a fake with a fixed geometry. Columns and rows are the sheet's; the
// fixed ones always show.

#include <string>

#include "platform/font_description.h"
#include "sheet/pixel_geometry.h"
#include "sheet/sheet_cell.h"

namespace orvane {

class MenuBuilder;
struct CellLink;
struct CellRequest;

// The scrolling cells that show, partly shown ones included.
struct VisibleCells {
    int firstColumn = 0;  // the left column
    int firstRow = 0;     // the top row
    int lastColumn = -1;
    int lastRow = -1;
};

// Where the in-place editor opens: a borderless single-line box (no word wrap, at most
// kEditorMaxLength characters) over `rect`, in `font`, holding `text` with
// `selLength` characters selected from `selStart`; its undo history is cleared and it
// takes the focus. The box stays inside the cell's rules, and its text stands where the
// cell draws it: aligned as `alignment` says between `leftIndent` pixels from the box's
// left side and `rightIndent` pixels from its right side, its line at the box's top.
struct EditorPlacement {
    static constexpr int kEditorMaxLength = 1024;

    PixelRect rect;
    FontDescription font;
    std::string text;
    int selStart = 0;
    int selLength = 0;
    HorizontalAlignment alignment = HorizontalAlignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
};

class GridHost {
public:
    virtual ~GridHost() = default;

    // Geometry and scrolling.
    virtual PixelRect CellRect(int column, int row) const = 0;
    virtual VisibleCells Visible() const = 0;
    virtual void SetLeftColumn(int column) = 0;
    virtual void SetTopRow(int row) = 0;
    // Scrolls as little as needed for the cell to show.
    virtual void ScrollIntoView(int column, int row) = 0;
    virtual bool ShowsScrollBars() const = 0;

    // Painting. The view asks each cell's selection state while it paints.
    virtual void InvalidateCell(int column, int row) = 0;
    // The data model may have changed what the cell shows: it is repainted, with the
    // span it belongs to, unless the data model answers what the cell was last painted
    // with.
    virtual void RefreshCell(int column, int row) = 0;
    virtual void InvalidateAll() = 0;
    // Paints what is invalid now, before the view waits to repeat a key.
    virtual void PaintNow() = 0;
    // A sheet without selectable cells is shown disabled.
    virtual void SetGridEnabled(bool enabled) = 0;
    virtual void TitleChanged() = 0;
    // Rows were added or removed (bank sheets).
    virtual void RowCountChanged() = 0;

    // Keyboard focus.
    virtual bool GridHasFocus() const = 0;
    virtual void FocusGrid() = 0;

    // The in-place editor.
    virtual void ShowEditor(const EditorPlacement& placement) = 0;
    virtual void HideEditor() = 0;
    virtual std::string EditorText() const = 0;

    // Shows the popup menu at a point of the grid.
    virtual void ShowPopupMenu(MenuBuilder& menu, PixelPoint at) = 0;
    // Opens the choice list `listKey` under the cell of `request`, its cursor on the
    // row linked as `focus`; the list's sheet gets a copy of `request` as its opening
    // request and runs in dialog mode.
    virtual void OpenChoicePopup(const CellRequest& request, const std::string& listKey,
                                 const CellLink& focus) = 0;
    // Dialog mode: the choice list is done and its window closes. The view must not be
    // destroyed before this call returns (delete it later).
    virtual void HideHost() = 0;
    // Fits the column's width to its texts (the column-width rules).
    virtual void AutoFitColumn(int column) = 0;
};

}  // namespace orvane
