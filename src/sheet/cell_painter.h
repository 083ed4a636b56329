#pragma once
// Draws the cells of a built sheet onto a canvas: background by selection state and
// print mode, rules, spans, aligned multi-line text, the data model's separator fills
// and text colours, and the warning and error marks. The grid view calls it for every
// cell it paints; printing calls it for every cell of a page.

#include "sheet/canvas.h"
#include "sheet/cell_evaluator.h"
#include "sheet/cell_request.h"
#include "sheet/shown_answers.h"

namespace orvane {

class Sheet;
struct SheetCell;

// Pixels between a cell's text and its left or right side, before the print scale.
inline constexpr int kCellTextIndent = 4;

// Where a cell puts its text in `area`, as the cell aligns it: the top of the first line
// of a text `textHeight` pixels high, and the left of a line `lineWidth` pixels wide
// (never left of the area). The in-place editor puts its text in the same place.
int TextTop(const SheetCell& cell, const PixelRect& area, int textHeight, double scale);
int LineLeft(const SheetCell& cell, const PixelRect& area, int lineWidth, double scale);

// The drawing request for a cell of `sheet`, ready for the data model (mode kDraw):
// what the painter asks, and what fitting a column to the shown texts asks too.
CellRequest DrawingRequest(Sheet& sheet, SheetCell& cell, bool selected);

// What the grid view knows when it paints: the cursor, the focus, the in-place editor
// and which slots its selection covers. A printed sheet has no cursor (current column
// and row -1) and nothing selected.
class GridPaintState {
public:
    virtual ~GridPaintState() = default;
    // Whether the slot counts as selected for drawing: the current cell, and the
    // line-selectable slots that are marked or row-highlighted.
    virtual bool IsSlotSelected(int column, int row) const = 0;
    virtual int CurrentColumn() const = 0;
    virtual int CurrentRow() const = 0;
    virtual bool HasFocus() const = 0;
    virtual bool EditorOpen() const = 0;
    // Choice popups and sheet dialogs: the selection always shows as highlighted and the
    // current row is not tinted.
    virtual bool DialogMode() const = 0;
    // Asks for the cell to be painted again; a tip cell follows its owner's highlight.
    virtual void InvalidateCell(int column, int row) = 0;
};

class CellPainter {
public:
    // The sheet must be built; `evaluator` answers the drawing requests of linked cells.
    CellPainter(Sheet& sheet, CellEvaluator& evaluator);

    // Draws the cell at (column, row) into `rect`, its rectangle on the canvas. A covered
    // cell draws the cell that covers it, over the rectangle widened left across the
    // covered columns. Zero-width and zero-height cells draw nothing. The data model's
    // answer is kept for ShowsCurrentAnswer.
    void DrawCell(Canvas& canvas, GridPaintState& grid, int column, int row, const PixelRect& rect);
    // Whether the data model answers for the cell (for a covered one, its owner) what
    // it answered when the cell was last drawn, so that drawing it again would change
    // nothing.
    bool ShowsCurrentAnswer(const GridPaintState& grid, int column, int row);
    // The cell was drawn only in part: what shows is no longer one answer.
    void ForgetAnswer(int column, int row);

private:
    // Asks the data model for the cell's drawing answer; returns the text to draw.
    std::string Ask(SheetCell& cell, bool selected, CellRequest& answer) const;

    Sheet& sheet_;
    CellEvaluator& evaluator_;
    ShownAnswers shown_;  // by owner cell
};

}  // namespace orvane
