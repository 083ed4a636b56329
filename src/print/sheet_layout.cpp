#include "print/sheet_layout.h"

#include <algorithm>
#include <cstdlib>

#include "base/fatal.h"
#include "sheet/canvas.h"
#include "sheet/cell_painter.h"
#include "sheet/column_widths.h"
#include "sheet/font_spec.h"
#include "sheet/sheet.h"
#include "sheet/sheet_factory.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kMarginsKey = "GI_Sys_Printer_Margins";
constexpr const char* kFrameFontKey = "GI_Sys_Printer_FrameFont";
constexpr const char* kRevisionKey = "GI_Sys_AppTitleRev";
constexpr const char* kMakerKey = "GI_Sys_Maker";
constexpr int kPointsPerInch = 72;

// A printed sheet has no cursor, no focus and nothing selected.
class PaperGrid final : public GridPaintState {
public:
    bool IsSlotSelected(int, int) const override { return false; }
    int CurrentColumn() const override { return -1; }
    int CurrentRow() const override { return -1; }
    bool HasFocus() const override { return false; }
    bool EditorOpen() const override { return false; }
    bool DialogMode() const override { return false; }
    void InvalidateCell(int, int) override {}
};

struct BlockSize {
    int width = 0;
    int height = 0;
};

BlockSize Needed(const Sheet& sheet, const GridRun& columns, const GridRun& rows) {
    return {
        ColumnsWidth(sheet, 0, sheet.FixedColumnCount()) +
            ColumnsWidth(sheet, columns.first, columns.count),
        RowsHeight(sheet, 0, sheet.FixedRowCount()) + RowsHeight(sheet, rows.first, rows.count)};
}

bool Fits(const BlockSize& size, const PixelRect& content) {
    return size.width <= content.Width() && size.height <= content.Height();
}

// The cells of `columns` x `rows` from `origin` on, clipped to their own area so that a
// span reaching in from another page stays out of its neighbours.
void DrawArea(Canvas& canvas, CellPainter& painter, const Sheet& sheet, const GridRun& columns,
              const GridRun& rows, PixelPoint origin) {
    const PixelRect area =
        PixelRect::FromSize(origin.x, origin.y, ColumnsWidth(sheet, columns.first, columns.count),
                            RowsHeight(sheet, rows.first, rows.count));
    if (area.Width() <= 0 || area.Height() <= 0) {
        return;
    }
    PaperGrid grid;
    CanvasClip clip(canvas, area);
    int y = origin.y;
    for (int row = rows.first; row < rows.first + rows.count; ++row) {
        int x = origin.x;
        for (int column = columns.first; column < columns.first + columns.count; ++column) {
            painter.DrawCell(
                canvas, grid, column, row,
                PixelRect::FromSize(x, y, sheet.ColumnWidth(column), sheet.RowHeight(row)));
            x += sheet.ColumnWidth(column);
        }
        y += sheet.RowHeight(row);
    }
}

}  // namespace

SheetLayout::SheetLayout(const PrintSources& sources, const PaperPage& page, int fontPoints)
    : sources_(sources), page_(page), fontPoints_(fontPoints) {
    TextStore& texts = sources_.sheets.textStore;
    const std::optional<PageMargins> margins = ParseMargins(texts.FirstLine(kMarginsKey));
    if (!margins) {
        Fatal("Illegal printer margins");
    }
    frameArea_ = InsideMargins(page_, *margins);
    framePoints_ = std::max(1, std::atoi(texts.FirstLine(kFrameFontKey).c_str()));
}

int SheetLayout::BaseFontHeight() const { return -(fontPoints_ * page_.dpi / kPointsPerInch); }

PageFrame SheetLayout::FrameOf(const Sheet& sheet) const {
    return PageFrame(frameArea_, sheet.Style().titleFont.value_or(DefaultFont()), framePoints_,
                     page_.dpi);
}

std::unique_ptr<Sheet> SheetLayout::Build(const std::string& call, int fontHeight) const {
    SheetOptions options;
    options.fontPercent = sources_.fontPercent;
    options.explicitFontHeight = fontHeight;
    options.printing = true;
    options.printScale = static_cast<double>(page_.dpi) / kScreenDpi;
    options.minimumCellExtent = std::max(1, page_.dpi / kScreenDpi);
    std::unique_ptr<Sheet> sheet = CreateSheet(sources_.sheets, call, options);
    sheet->SetOpening(SheetOpening{&sources_.evaluator, std::nullopt, std::nullopt});
    sheet->Build();
    if (sources_.widths != nullptr) {
        // Kept widths grow with the printed font, and shrink with it.
        const double factor =
            PrintedWidthFactor(fontPoints_, page_.dpi, kScreenDpi, sources_.fontPercent) *
            fontHeight / BaseFontHeight();
        sources_.widths->RestoreScaled(*sheet, factor);
    }
    return sheet;
}

int SheetLayout::LayOutSheet(const std::string& call, LayoutMode mode) {
    int fontHeight = BaseFontHeight();
    std::unique_ptr<Sheet> sheet = Build(call, fontHeight);
    if (!sheet->CanPrint()) {
        return 0;
    }
    const PixelRect content = FrameOf(*sheet).Content();
    const std::vector<GridRun> columnRuns = ColumnRuns(*sheet, content.Width());
    const std::vector<GridRun> rowRuns = RowRuns(*sheet, content.Height());
    int shrinks = 0;
    int pages = 0;
    for (const GridRun& rows : rowRuns) {
        for (const GridRun& columns : columnRuns) {
            if (!sheet->CanPrint() || Cancelled()) {
                return pages;
            }
            BlockSize size = Needed(*sheet, columns, rows);
            while (!Fits(size, content) && shrinks < kMaximumShrinks && fontHeight < -1) {
                const double scale = std::min(static_cast<double>(content.Height()) / size.height,
                                              static_cast<double>(content.Width()) / size.width);
                fontHeight = std::min(-1, static_cast<int>(fontHeight * scale));
                sheet = Build(call, fontHeight);
                size = Needed(*sheet, columns, rows);
                ++shrinks;
            }
            const PageRecord page{
                call, columns, rows,
                PixelRect::FromSize(content.left, content.top, size.width, size.height),
                fontHeight};
            if (mode == LayoutMode::kPrint) {
                Draw(output_->NextPage(), *sheet, page);
            } else if (mode == LayoutMode::kPreview) {
                preview_.push_back(page);
            }
            ++pages;
        }
    }
    return pages;
}

void SheetLayout::DrawPage(Canvas& canvas, const PageRecord& page) {
    const std::unique_ptr<Sheet> sheet = Build(page.call, page.fontHeight);
    Draw(canvas, *sheet, page);
}

void SheetLayout::Draw(Canvas& canvas, Sheet& sheet, const PageRecord& page) const {
    TextStore& texts = sources_.sheets.textStore;
    FrameOf(sheet).Draw(canvas, FrameTexts{sheet.GetPrintTitle(), texts.FirstLine(kRevisionKey),
                                           texts.FirstLine(kMakerKey)});
    CellPainter painter(sheet, sources_.evaluator);
    const GridRun fixedColumns{0, sheet.FixedColumnCount()};
    const GridRun fixedRows{0, sheet.FixedRowCount()};
    const int blockLeft = page.rect.left + ColumnsWidth(sheet, 0, fixedColumns.count);
    const int blockTop = page.rect.top + RowsHeight(sheet, 0, fixedRows.count);
    const PixelPoint corner{page.rect.left, page.rect.top};
    DrawArea(canvas, painter, sheet, fixedColumns, fixedRows, corner);
    DrawArea(canvas, painter, sheet, page.columns, fixedRows, {blockLeft, corner.y});
    DrawArea(canvas, painter, sheet, fixedColumns, page.rows, {corner.x, blockTop});
    DrawArea(canvas, painter, sheet, page.columns, page.rows, {blockLeft, blockTop});
}

}  // namespace orvane
