#include "sheet/cell_painter.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/definition_text.h"
#include "sheet/mark_shape.h"
#include "sheet/sheet.h"
#include "sheet/sheet_cell.h"

namespace orvane {
namespace {

constexpr Colour kRuleGrey = 0x00808080;
// Printed backgrounds other than white all come out in this grey, with white text.
constexpr Colour kPrintedDark = 0x00606060;

// Everything one drawing decides before it puts anything on the canvas.
struct CellPaint {
    SheetCell* cell = nullptr;
    int column = 0;  // the drawn cell's column: for a covered cell, the one covering it
    int row = 0;
    PixelRect area;
    bool rightRule = true;  // false when the right neighbour is covered
    bool printing = false;
    double scale = 1.0;
    bool selected = false;
    CellRequest request;
    std::string text;
    Colour background = 0;
    bool fillBackground = true;
    Colour rule = 0;
    Colour textColour = 0;
};

int Round(double value) { return static_cast<int>(std::lround(value)); }

// The nearest cell at or left of `column` that is not covered; the column itself when
// there is none.
int OwnerColumn(const Sheet& sheet, int column, int row) {
    for (int c = column; c >= 0; --c) {
        if (!sheet.CellAt(c, row).IsCovered()) {
            return c;
        }
    }
    return column;
}

// A tip belongs to the nearest selectable cell on its left; -1 when there is none.
int TipOwnerColumn(const Sheet& sheet, int column, int row) {
    for (int c = column - 1; c >= 0; --c) {
        if (sheet.CellAt(c, row).IsSelectable()) {
            return c;
        }
    }
    return -1;
}

bool IsDrawnSelected(const Sheet& sheet, const GridPaintState& grid, int column, int row) {
    if (grid.IsSlotSelected(column, row)) {
        return true;
    }
    if (!sheet.CellAt(column, row).IsTip() || row != grid.CurrentRow()) {
        return false;
    }
    const int owner = TipOwnerColumn(sheet, column, row);
    return owner >= 0 && owner == grid.CurrentColumn();
}

void ChoosePrintedColours(CellPaint& paint, bool plain) {
    const Colour colour =
        paint.cell->colour == colour::kWindow ? colour::kWhite : paint.cell->colour;
    const bool dark = colour != colour::kWhite;
    paint.background = dark ? kPrintedDark : colour::kWhite;
    // The paper is white already.
    paint.fillBackground = dark;
    paint.rule = plain ? colour::kBlack : colour::kWhite;
    paint.textColour = dark ? colour::kWhite : colour::kBlack;
}

// On screen every cell fills its rectangle: the grid does not erase what was painted
// before, and the window colour need not be white.
void ChooseScreenColours(const Sheet& sheet, const Canvas& canvas, const GridPaintState& grid,
                         CellPaint& paint, bool plain) {
    const SheetCell& cell = *paint.cell;
    paint.rule = plain ? kRuleGrey : colour::kWhite;
    Colour text = paint.request.textColour.value_or(sheet.CellFont(cell).colour);
    const Colour window = canvas.ResolveColour(colour::kWindow);
    const Colour windowText = canvas.ResolveColour(colour::kWindowText);
    if (!paint.selected || grid.EditorOpen()) {
        const bool tinted = sheet.Style().colorSelectLine && !grid.DialogMode() &&
                            paint.row == grid.CurrentRow() &&
                            paint.column >= sheet.FixedColumnCount();
        paint.background = tinted ? CurrentRowTint(window, windowText) : cell.colour;
    } else if (grid.HasFocus() || grid.DialogMode()) {
        paint.background = colour::kHighlight;
        text = colour::kHighlightText;
    } else {
        const Colour inactive = InactiveSelection(window, windowText);
        paint.background = inactive;
        // Greys that would vanish on the inactive selection.
        if (text == colour::kBtnFace || text == inactive || text == colour::kSilver ||
            text == colour::kGrayText) {
            text = colour::kWindow;
        }
    }
    paint.textColour = text;
}

// The data model's separators: a solid fill over the lower tenths of the cell.
void FillFromDataModel(Canvas& canvas, const CellPaint& paint) {
    const int tenths = std::clamp(paint.request.fillTenths, 0, 10);
    if (tenths == 0) {
        return;
    }
    PixelRect fill = paint.area;
    fill.top = fill.bottom + 1 - tenths * fill.Height() / 10;
    canvas.FillRect(fill, paint.request.fillColour);
}

void DrawRules(Canvas& canvas, const CellPaint& paint) {
    const PixelRect& area = paint.area;
    if (paint.cell->HasBottomRule()) {
        canvas.DrawLine({area.left, area.bottom}, {area.right, area.bottom}, paint.rule);
    }
    if (!paint.rightRule) {
        return;
    }
    switch (paint.cell->Rule()) {
        case RightRule::Full:
            canvas.DrawLine({area.right, area.top}, {area.right, area.bottom}, paint.rule);
            break;
        case RightRule::Lower:
            canvas.DrawLine({area.right, area.top + area.Height() * 7 / 10},
                            {area.right, area.bottom}, paint.rule);
            break;
        case RightRule::None:
            break;
    }
}

// Draws the lines of the text; returns where the text ends on the right.
int DrawLines(Canvas& canvas, const FontDescription& font, const CellPaint& paint) {
    const std::vector<std::string_view> lines = SplitAt(paint.text, '\n');
    const int lineHeight = canvas.LineHeight(font);
    int y =
        TextTop(*paint.cell, paint.area, lineHeight * static_cast<int>(lines.size()), paint.scale);
    int textEnd = paint.area.left;
    for (std::string_view line : lines) {
        const int width = canvas.TextWidth(font, line);
        const int x = LineLeft(*paint.cell, paint.area, width, paint.scale);
        if (x + width + 1 < paint.area.right) {
            canvas.DrawText({x, y}, line, font, paint.textColour);
        } else {
            CanvasClip clip(canvas, paint.area);
            canvas.DrawText({x, y}, line, font, paint.textColour);
        }
        textEnd = std::max(textEnd, x + width);
        y += lineHeight;
    }
    return textEnd;
}

// The marks printed in place of the images: a black cross for an error, and for a
// warning a white triangle with a black exclamation mark.
void DrawPrintedMark(Canvas& canvas, bool error, int j, PixelPoint origin) {
    const MarkShape mark = ShapeOfMark(error, j, origin);
    canvas.DrawPolygon(mark.body, error ? colour::kBlack : colour::kWhite, colour::kBlack,
                       mark.outlineWidth);
    for (const auto& detail : mark.details) {
        canvas.DrawPolygon(detail, colour::kBlack, colour::kBlack, 1);
    }
}

void DrawMark(Canvas& canvas, const CellPaint& paint, int textEnd) {
    const bool error = (paint.request.flags & CellRequest::kError) != 0;
    if (!error && (paint.request.flags & CellRequest::kWarning) == 0) {
        return;
    }
    const PixelRect& area = paint.area;
    const int size = paint.printing ? area.Height() / 2 : canvas.ImageSize();
    MarkPosition position = paint.request.markPosition;
    if (position == MarkPosition::kDefault) {
        position = paint.cell->Horizontal() == HorizontalAlignment::Right ? MarkPosition::kLeft
                                                                          : MarkPosition::kRight;
    }
    int x = position == MarkPosition::kLeft ? area.left + size / 8 : area.right - size - 1;
    if (position == MarkPosition::kRight) {
        x = std::min(x, textEnd);
    }
    if (paint.printing) {
        DrawPrintedMark(canvas, error, size, {x, area.bottom - size - size / 8});
    } else {
        // The image's last row is one pixel above the cell's last row.
        canvas.DrawImage(error ? Canvas::kErrorImage : Canvas::kWarningImage,
                         {x, area.bottom - size});
    }
}

}  // namespace

int TextTop(const SheetCell& cell, const PixelRect& area, int textHeight, double scale) {
    switch (cell.Vertical()) {
        case VerticalAlignment::Middle:
            return area.top + (area.Height() - textHeight) / 2;
        case VerticalAlignment::Bottom:
            return Round(area.bottom + 1 - textHeight - scale);
        default:
            return Round(area.top + scale);
    }
}

int LineLeft(const SheetCell& cell, const PixelRect& area, int lineWidth, double scale) {
    int x = 0;
    switch (cell.Horizontal()) {
        case HorizontalAlignment::Centre:
            x = area.left + (area.Width() - lineWidth) / 2;
            break;
        case HorizontalAlignment::Right:
            x = Round(area.right + 1 - lineWidth - kCellTextIndent * scale);
            break;
        default:
            x = Round(area.left + kCellTextIndent * scale);
            break;
    }
    return std::max(x, area.left);
}

CellRequest DrawingRequest(Sheet& sheet, SheetCell& cell, bool selected) {
    CellRequest request;
    request.cell = &cell;
    request.sheet = &sheet;
    request.callText = sheet.CallText();
    request.parameter = sheet.Parameter();
    if (selected) {
        request.flags |= CellRequest::kCurrent;
    }
    if (sheet.Options().printing) {
        request.flags |= CellRequest::kPrinting;
    }
    return request;
}

CellPainter::CellPainter(Sheet& sheet, CellEvaluator& evaluator)
    : sheet_(sheet), evaluator_(evaluator) {}

std::string CellPainter::Ask(SheetCell& cell, bool selected, CellRequest& answer) const {
    if (cell.IsLabel()) {
        return cell.text;
    }
    answer = DrawingRequest(sheet_, cell, selected);
    evaluator_.EvaluateCell(answer, CellEvaluator::kDraw);
    // One blank at least, so that the marks of an empty value still show.
    return answer.text.empty() ? std::string(" ") : answer.text;
}

bool CellPainter::ShowsCurrentAnswer(const GridPaintState& grid, int column, int row) {
    const int owner = OwnerColumn(sheet_, column, row);
    SheetCell& cell = sheet_.CellAt(owner, row);
    CellRequest answer;
    const std::string text = Ask(cell, IsDrawnSelected(sheet_, grid, owner, row), answer);
    return shown_.Shows(owner, row, ShownAnswer::Of(answer, text, cell));
}

void CellPainter::ForgetAnswer(int column, int row) {
    shown_.Forget(OwnerColumn(sheet_, column, row), row);
}

void CellPainter::DrawCell(Canvas& canvas, GridPaintState& grid, int column, int row,
                           const PixelRect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0) {
        return;
    }
    CellPaint paint;
    paint.column = OwnerColumn(sheet_, column, row);
    paint.row = row;
    paint.area = rect;
    for (int covered = paint.column; covered < column; ++covered) {
        paint.area.left -= sheet_.ColumnWidth(covered);
    }
    const bool hasRightNeighbour = column + 1 < sheet_.ColumnCount();
    paint.rightRule = !hasRightNeighbour || !sheet_.CellAt(column + 1, row).IsCovered();
    paint.cell = &sheet_.CellAt(paint.column, row);
    paint.printing = sheet_.Options().printing;
    paint.scale = sheet_.Options().Scale();
    paint.selected = IsDrawnSelected(sheet_, grid, paint.column, row);
    paint.text = Ask(*paint.cell, paint.selected, paint.request);
    shown_.Record(paint.column, row, ShownAnswer::Of(paint.request, paint.text, *paint.cell));

    const bool plain =
        paint.cell->colour == colour::kWindow || paint.cell->colour == colour::kWhite;
    if (paint.printing) {
        ChoosePrintedColours(paint, plain);
    } else {
        ChooseScreenColours(sheet_, canvas, grid, paint, plain);
    }
    if (paint.fillBackground) {
        canvas.FillRect(paint.area, paint.background);
    }
    FillFromDataModel(canvas, paint);
    DrawRules(canvas, paint);
    const int textEnd = DrawLines(canvas, sheet_.CellFont(*paint.cell), paint);
    DrawMark(canvas, paint, textEnd);

    if (hasRightNeighbour && sheet_.CellAt(column + 1, row).IsTip()) {
        grid.InvalidateCell(column + 1, row);
    }
}

}  // namespace orvane
