#pragma once
// Sheets laid out on printed pages. Each sheet is built afresh from its definition for
// the page's resolution, its grid split into blocks of whole columns and rows that fit
// inside the page frame, and a block that does not fit is drawn with a smaller font.
// The same walk counts the pages, records them for a preview or draws them onto an
// output, so every destination gets the same pages.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "print/page_blocks.h"
#include "print/page_frame.h"
#include "print/paper_page.h"
#include "sheet/pixel_geometry.h"
#include "sheet/sheet_environment.h"

namespace orvane {

class Canvas;
class CellEvaluator;
class ColumnWidthMemory;
class Sheet;

// What printing needs from the program.
struct PrintSources {
    // Where sheets come from; its font metrics measure at the page's resolution.
    SheetEnvironment sheets;
    CellEvaluator& evaluator;
    // The widths users keep for their sheets, printed scaled; null when there are none.
    const ColumnWidthMemory* widths;
    // The screen's font size percentage, which the kept widths were made at.
    int fontPercent;
};

// One page: the sheet, its block of columns and rows (the fixed ones come on every
// page), where the block goes on the page, and the cells' font height.
struct PageRecord {
    std::string call;
    GridRun columns;
    GridRun rows;
    PixelRect rect;
    int fontHeight = 0;
};

enum class LayoutMode { kCount, kPrint, kPreview };

// Where printed pages go.
class PageOutput {
public:
    virtual ~PageOutput() = default;
    // The canvas of a fresh page: the first call of a document gives its first page.
    virtual Canvas& NextPage() = 0;
};

class SheetLayout {
public:
    static constexpr int kMaximumShrinks = 3;

    // `fontPoints` is the printed cells' font size.
    SheetLayout(const PrintSources& sources, const PaperPage& page, int fontPoints);

    // Lays the sheet of `call` out: counts its pages, draws them onto the output, or
    // records them for PreviewPages. Returns the number of pages; 0 for a sheet that is
    // not printed. Stops at the page where Cancelled answers true.
    int LayOutSheet(const std::string& call, LayoutMode mode);

    const std::vector<PageRecord>& PreviewPages() const { return preview_; }
    void ClearPreview() { preview_.clear(); }
    // Print mode draws here; it must be set before.
    void SetOutput(PageOutput* output) { output_ = output; }
    void SetCancelled(std::function<bool()> cancelled) { cancelled_ = std::move(cancelled); }

    // Draws a recorded page, frame and block, onto `canvas`.
    void DrawPage(Canvas& canvas, const PageRecord& page);

    const PaperPage& Page() const { return page_; }
    int FontPoints() const { return fontPoints_; }
    // The cells' font height before any shrinking: the points at the page's resolution.
    int BaseFontHeight() const;
    // The page inside the margins, where the frame goes.
    const PixelRect& FrameArea() const { return frameArea_; }
    PageFrame FrameOf(const Sheet& sheet) const;

private:
    std::unique_ptr<Sheet> Build(const std::string& call, int fontHeight) const;
    void Draw(Canvas& canvas, Sheet& sheet, const PageRecord& page) const;
    bool Cancelled() const { return cancelled_ && cancelled_(); }

    PrintSources sources_;
    PaperPage page_;
    int fontPoints_;
    int framePoints_;
    PixelRect frameArea_;
    PageOutput* output_ = nullptr;
    std::function<bool()> cancelled_;
    std::vector<PageRecord> preview_;
};

}  // namespace orvane
