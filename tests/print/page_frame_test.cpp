// The page frame: margins in millimetres at the page's resolution, the header and footer
// spaced by the frame font's line height, and the grid split into runs of columns and
// rows, with the no-break mark keeping a column on the page of the one before it.

#include "print/page_frame.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "print/page_blocks.h"
#include "sheet/recording_canvas.h"
#include "sheet/sheet.h"
#include "sheet/sheet_test_support.h"

namespace orvane {
namespace {

using testing::DefinitionResource;
using testing::RecordingCanvas;
using testing::SheetTestEnvironment;

constexpr PaperPage kA4At600{4961, 7016, 600};

TEST(PageFrameTest, MarginsAreMillimetresCutToWholePixelsAtThePagesResolution) {
    struct Case {
        const char* text;
        PaperPage page;
        std::optional<PixelRect> inside;
    };
    const Case cases[] = {
        {"15,10,5,5", kA4At600, PixelRect{354, 236, 4961 - 118 - 1, 7016 - 118 - 1}},
        {"15,10,5,5", {2480, 3508, 300}, PixelRect{177, 118, 2480 - 59 - 1, 3508 - 59 - 1}},
        {" 0, 0 ,0,0", {100, 200, 72}, PixelRect{0, 0, 99, 199}},
        {"15,10,5", kA4At600, std::nullopt},
        {"15,10,5,5,5", kA4At600, std::nullopt},
        {"15,ten,5,5", kA4At600, std::nullopt},
        {"-1,10,5,5", kA4At600, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<PageMargins> margins = ParseMargins(c.text);
        ASSERT_EQ(margins.has_value(), c.inside.has_value()) << c.text;
        if (margins) {
            EXPECT_EQ(InsideMargins(c.page, *margins), *c.inside) << c.text << " at " << c.page.dpi;
        }
    }
}

TEST(PageFrameTest, TheHeaderAndFooterAreSpacedByTheFrameFontsLineHeight) {
    const PixelRect area{354, 236, 4842, 6897};
    const PageFrame frame(area, FontDescription{}, 14, 600);
    // 14 points at 600 dpi are 116 pixels; the gap is a tenth of that plus one.
    EXPECT_EQ(frame.LineHeight(), 116);
    EXPECT_EQ(frame.Gap(), 12);
    EXPECT_EQ(frame.Font().height, -116);
    EXPECT_EQ(frame.HeaderBar(), (PixelRect{354, 236 + 128, 4842, 236 + 140 - 1}));
    EXPECT_EQ(frame.FooterBar(), (PixelRect{354, 6898 - 140, 4842, 6898 - 128 - 1}));
    EXPECT_EQ(frame.Content(), (PixelRect{354, 236 + 188, 4842, 6898 - 188 - 1}));

    RecordingCanvas canvas;
    frame.Draw(canvas, FrameTexts{"Clone Comment", "Orvane 1.0", "Maker"});
    ASSERT_EQ(canvas.texts.size(), 3u);
    EXPECT_EQ(canvas.texts[0].origin, (PixelPoint{354, 236}));
    // The fixed test metrics make every character half the font height wide.
    EXPECT_EQ(canvas.texts[1].origin, (PixelPoint{4843 - 1 - 10 * 58, 236}));
    EXPECT_EQ(canvas.texts[2].origin, (PixelPoint{4843 - 1 - 5 * 58, 6898 - 116 - 1}));
    for (const auto& text : canvas.texts) {
        EXPECT_EQ(text.colour, colour::kBlack);
    }
    ASSERT_EQ(canvas.fills.size(), 2u);
    EXPECT_EQ(canvas.fills[0].rect, frame.HeaderBar());
    EXPECT_EQ(canvas.fills[1].rect, frame.FooterBar());
}

// One fixed column 18 pixels wide and six of 28 below a fixed row; rows are 15 high.
// `marks` lists the columns whose heading carries the no-break mark.
std::string RunCells(const std::vector<int>& marks) {
    std::string heading = "{WH}No";
    std::string row = "{WH}1";
    for (int column = 1; column <= 6; ++column) {
        const bool marked = std::find(marks.begin(), marks.end(), column) != marks.end();
        heading += marked ? "|{WH(Flag2=1)}abcd" : "|{WH}abcd";
        row += "|{WH}wxyz";
    }
    return heading + "\n:(LoopFrom 9)\n" + row + "\n:(LoopTo)";
}

class PageRunsTest : public ::testing::Test {
protected:
    Sheet& Build(const std::vector<int>& marks) {
        sheet.reset();
        resource =
            std::make_unique<DefinitionResource>(std::vector<std::pair<std::string, std::string>>{
                {"R_Sheet_Style", "(FixedCols=1)(FixedRows=1)"},
                {"R_Sheet_BasicCell", "{<-(Font=DEFAULT_CHARSET,,clWindowText,-10,,,)}"},
                {"R_Sheet_Cells", RunCells(marks)},
            });
        environment = std::make_unique<SheetTestEnvironment>(resource->Resource());
        sheet = std::make_unique<Sheet>(environment->Get(), "R_Sheet");
        sheet->Build();
        return *sheet;
    }

    std::unique_ptr<DefinitionResource> resource;
    std::unique_ptr<SheetTestEnvironment> environment;
    std::unique_ptr<Sheet> sheet;
};

TEST_F(PageRunsTest, ColumnRunsBreakOnlyBeforeColumnsWithoutTheNoBreakMark) {
    struct Case {
        const char* name;
        std::vector<int> marks;
        int width;
        std::vector<GridRun> runs;
    };
    const std::vector<Case> cases = {
        {"two columns a page", {}, 74, {{1, 2}, {3, 2}, {5, 2}}},
        {"everything on one page", {}, 500, {{1, 6}}},
        {"narrower than one column: one each",
         {},
         20,
         {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}}},
        {"a marked column goes with the one before it", {3}, 74, {{1, 1}, {2, 2}, {4, 2}, {6, 1}}},
        {"marked columns stay together even past the width",
         {2, 3},
         60,
         {{1, 3}, {4, 1}, {5, 1}, {6, 1}}},
        {"a mark on the first column after the fixed ones changes nothing",
         {1},
         74,
         {{1, 2}, {3, 2}, {5, 2}}},
    };
    for (const Case& c : cases) {
        const Sheet& built = Build(c.marks);
        EXPECT_EQ(ColumnRuns(built, c.width), c.runs) << c.name;
        for (const GridRun& run : ColumnRuns(built, c.width)) {
            if (run.first > 1) {
                EXPECT_TRUE(BreakAllowedBefore(built, run.first)) << c.name;
            }
        }
    }
}

TEST_F(PageRunsTest, RowRunsTakeRowsWhileTheyFitBelowTheFixedRows) {
    const Sheet& built = Build({});
    // The sizes the cases of both tests assume.
    ASSERT_EQ(std::pair(built.ColumnWidth(0), built.ColumnWidth(1)), std::pair(18, 28));
    ASSERT_EQ(std::pair(built.RowHeight(1), built.RowCount()), std::pair(15, 10));
    struct Case {
        int height;
        std::vector<GridRun> runs;
    };
    const Case cases[] = {
        {15 + 3 * 15, {{1, 3}, {4, 3}, {7, 3}}},
        {15 + 3 * 15 + 14, {{1, 3}, {4, 3}, {7, 3}}},
        {15 + 9 * 15, {{1, 9}}},
        {10, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RowRuns(built, c.height), c.runs) << c.height;
    }
}

}  // namespace
}  // namespace orvane
