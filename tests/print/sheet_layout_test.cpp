// Shipped sheets laid out on pages over the real data model: the font height from the
// points and the resolution, a small sheet on one page, a long bank over several pages
// that all repeat its fixed rows and columns, a block too wide for its page drawn with
// a smaller font, and the three ways of walking the pages.

#include "print/sheet_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "radio/radio_fixture.h"
#include "sheet/recording_canvas.h"
#include "sheet/sheet.h"
#include "sheet/sheet_factory.h"
#include "support/fake_font_metrics.h"

namespace orvane {
namespace {

using testing::FakeFontMetrics;
using testing::RecordingCanvas;

constexpr PaperPage kA4At600{4961, 7016, 600};
constexpr const char* kCloneComment = "[St_Common]GI_Sheet_Common,0";
constexpr const char* kTopPage = "GI_Sheet_TopPage";

std::string BankCall(int bank) {
    return "[St_ColCut]GI_Sheet_MemoryCH,Bank " + std::to_string(bank);
}

// Counts the pages asked for and records what is drawn on them.
class RecordingOutput final : public PageOutput {
public:
    Canvas& NextPage() override { return pages.emplace_back(); }
    std::vector<RecordingCanvas> pages;
};

bool Drew(const RecordingCanvas& canvas, const std::string& text) {
    for (const auto& drawn : canvas.texts) {
        if (drawn.line == text) {
            return true;
        }
    }
    return false;
}

class SheetLayoutTest : public testing::RadioFixture {
protected:
    SheetLayout Layout(const PaperPage& page = kA4At600, int points = 10) {
        return SheetLayout(
            PrintSources{SheetEnvironment{texts, vocabulary, metrics, bus, options, banks},
                         evaluator, nullptr, 100},
            page, points);
    }
    // The sheet as the layout builds it, to compare against.
    std::unique_ptr<Sheet> Printed(const std::string& call, const SheetLayout& layout,
                                   int fontHeight) {
        SheetOptions sheetOptions;
        sheetOptions.explicitFontHeight = fontHeight;
        sheetOptions.printing = true;
        sheetOptions.printScale = layout.Page().dpi / 96.0;
        sheetOptions.minimumCellExtent = layout.Page().dpi / 96;
        auto sheet = CreateSheet(SheetEnvironment{texts, vocabulary, metrics, bus, options, banks},
                                 call, sheetOptions);
        sheet->Build();
        return sheet;
    }

    FakeFontMetrics metrics;
};

TEST_F(SheetLayoutTest, TheCellsFontHeightIsThePointsAtThePagesResolution) {
    struct Case {
        int points;
        int dpi;
        int height;
    };
    const Case cases[] = {{8, 600, -66},   {9, 600, -75}, {10, 600, -83}, {11, 600, -91},
                          {12, 600, -100}, {8, 300, -33}, {10, 72, -10}};
    for (const Case& c : cases) {
        EXPECT_EQ(Layout({1000, 1000, c.dpi}, c.points).BaseFontHeight(), c.height)
            << c.points << " points at " << c.dpi;
    }
}

TEST_F(SheetLayoutTest, ASmallSheetIsOnePageWithItsFixedRowsAndColumns) {
    SheetLayout layout = Layout();
    ASSERT_EQ(layout.LayOutSheet(kCloneComment, LayoutMode::kPreview), 1);
    const PageRecord& page = layout.PreviewPages().front();
    const auto sheet = Printed(kCloneComment, layout, -83);
    EXPECT_EQ(page.call, kCloneComment);
    EXPECT_EQ(page.fontHeight, -83);
    EXPECT_EQ(page.columns, (GridRun{sheet->FixedColumnCount(),
                                     sheet->ColumnCount() - sheet->FixedColumnCount()}));
    EXPECT_EQ(page.rows,
              (GridRun{sheet->FixedRowCount(), sheet->RowCount() - sheet->FixedRowCount()}));
    // Margins of 15 and 10 millimetres, then the header of a 14-point frame font.
    EXPECT_EQ(page.rect.left, 354);
    EXPECT_EQ(page.rect.top, 236 + 116 + 6 * 12);
    EXPECT_EQ(page.rect.Width(), ColumnsWidth(*sheet, 0, sheet->ColumnCount()));
    EXPECT_EQ(page.rect.Height(), RowsHeight(*sheet, 0, sheet->RowCount()));

    RecordingCanvas canvas;
    layout.DrawPage(canvas, page);
    EXPECT_TRUE(Drew(canvas, sheet->GetPrintTitle()));
    EXPECT_TRUE(Drew(canvas, "Orvane Revision 1.0"));
    EXPECT_TRUE(Drew(canvas, "Orvane Project"));
    for (int column = 0; column < sheet->ColumnCount(); ++column) {
        const SheetCell& heading = sheet->CellAt(column, 0);
        if (heading.IsLabel() && !heading.text.empty() && heading.text != " ") {
            EXPECT_TRUE(Drew(canvas, heading.text)) << heading.text;
        }
    }
    EXPECT_TRUE(canvas.ClipsBalanced());
}

TEST_F(SheetLayoutTest, ALongBankRunsOverPagesThatEachRepeatTheFixedRows) {
    SetCapacities({100, 100, 0, 0, 0, 0, 0, 0, 0, 0});
    PutChannel(99, 118'000'000, 118'000'000);
    SheetLayout layout = Layout();
    const int pages = layout.LayOutSheet(BankCall(0), LayoutMode::kPreview);
    ASSERT_GE(pages, 2);
    const auto sheet = Printed(BankCall(0), layout, -83);
    const PixelRect content = layout.FrameOf(*sheet).Content();
    int nextRow = sheet->FixedRowCount();
    for (const PageRecord& page : layout.PreviewPages()) {
        EXPECT_EQ(page.rows.first, nextRow);
        nextRow += page.rows.count;
        EXPECT_LE(page.rect.Height(), content.Height());
        EXPECT_LE(page.rect.Width(), content.Width());
        RecordingCanvas canvas;
        layout.DrawPage(canvas, page);
        EXPECT_TRUE(Drew(canvas, "RX")) << "the fixed rows on every page";
    }
    EXPECT_EQ(nextRow, sheet->RowCount());
    RecordingCanvas last;
    layout.DrawPage(last, layout.PreviewPages().back());
    EXPECT_TRUE(Drew(last, "118.000"));

    EXPECT_EQ(layout.LayOutSheet(BankCall(2), LayoutMode::kCount), 0) << "an empty bank";
    EXPECT_EQ(layout.LayOutSheet(kTopPage, LayoutMode::kCount), 0) << "a sheet never printed";
    EXPECT_EQ(static_cast<int>(layout.PreviewPages().size()), pages);
}

TEST_F(SheetLayoutTest, ABlockTooWideForItsPageShrinksTheFontForTheRestOfTheSheet) {
    // Paper four centimetres wide: the first channel column fits beside the fixed ones,
    // the second does not.
    SheetLayout layout = Layout({945, 7016, 600});
    ASSERT_GT(layout.LayOutSheet(BankCall(0), LayoutMode::kPreview), 2);
    const std::vector<PageRecord>& pages = layout.PreviewPages();
    EXPECT_EQ(pages[0].fontHeight, layout.BaseFontHeight());
    EXPECT_GT(pages[1].fontHeight, layout.BaseFontHeight());
    const auto sheet = Printed(BankCall(0), layout, layout.BaseFontHeight());
    std::set<int> heights;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        heights.insert(pages[n].fontHeight);
        if (n > 0) {
            EXPECT_GE(pages[n].fontHeight, pages[n - 1].fontHeight) << "later pages keep it";
        }
    }
    EXPECT_LE(heights.size(), 1u + SheetLayout::kMaximumShrinks);
    const auto shrunk = Printed(BankCall(0), layout, pages[1].fontHeight);
    EXPECT_EQ(pages[1].rect.Width(), ColumnsWidth(*shrunk, 0, shrunk->FixedColumnCount()) +
                                         ColumnsWidth(*shrunk, pages[1].columns.first, 1));
    EXPECT_LT(pages[1].rect.Width(), ColumnsWidth(*sheet, 0, sheet->FixedColumnCount()) +
                                         ColumnsWidth(*sheet, pages[1].columns.first, 1));
}

TEST_F(SheetLayoutTest, CountingPrintingAndPreviewingWalkTheSamePages) {
    SetCapacities({100, 100, 0, 0, 0, 0, 0, 0, 0, 0});
    SheetLayout layout = Layout();
    const int counted = layout.LayOutSheet(BankCall(1), LayoutMode::kCount);
    EXPECT_TRUE(layout.PreviewPages().empty());
    RecordingOutput output;
    layout.SetOutput(&output);
    EXPECT_EQ(layout.LayOutSheet(BankCall(1), LayoutMode::kPrint), counted);
    EXPECT_EQ(layout.LayOutSheet(BankCall(1), LayoutMode::kPreview), counted);
    ASSERT_EQ(static_cast<int>(output.pages.size()), counted);
    for (int n = 0; n < counted; ++n) {
        RecordingCanvas previewed;
        layout.DrawPage(previewed, layout.PreviewPages()[static_cast<std::size_t>(n)]);
        const RecordingCanvas& printed = output.pages[static_cast<std::size_t>(n)];
        ASSERT_EQ(previewed.texts.size(), printed.texts.size()) << "page " << n;
        for (std::size_t t = 0; t < printed.texts.size(); ++t) {
            EXPECT_EQ(previewed.texts[t].line, printed.texts[t].line);
            EXPECT_EQ(previewed.texts[t].origin, printed.texts[t].origin);
        }
    }

    int asked = 0;
    layout.SetCancelled([&asked] { return ++asked > 1; });
    EXPECT_EQ(layout.LayOutSheet(BankCall(1), LayoutMode::kPrint), 1) << "cancel stops the walk";
}

}  // namespace
}  // namespace orvane
