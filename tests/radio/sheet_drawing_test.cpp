// The shipped bank operation sheet drawn with the real data model: printed colours,
// spans, separator fills and the error mark of an empty bank.

#include <gtest/gtest.h>

#include <memory>

#include "radio_fixture.h"
#include "sheet/cell_painter.h"
#include "sheet/recording_canvas.h"
#include "sheet/sheet.h"
#include "sheet/sheet_environment.h"
#include "sheet/sheet_factory.h"
#include "support/fake_font_metrics.h"

namespace orvane {
namespace {

using testing::FakeGridState;
using testing::RecordingCanvas;

// Bank operation: row 1 holds the captions ("Bank Name" in grey over columns 3 and 4),
// rows 3.. the banks with their name (3), a separator (4) and the capacity (5).
constexpr int kCaptionRow = 1;
constexpr int kFirstBankRow = 3;
constexpr int kNameColumn = 3;
constexpr int kSeparatorColumn = 4;
constexpr int kCapacityColumn = 5;
constexpr PixelRect kCell{0, 0, 79, 39};

class SheetDrawingTest : public testing::RadioFixture {
protected:
    SheetDrawingTest() { SetCapacities({5, 0, 3, 0, 0, 0, 0, 0, 0, 0}); }

    RecordingCanvas Draw(int column, int row, bool printing) {
        SheetOptions sheetOptions;
        sheetOptions.printing = printing;
        sheet = CreateSheet(SheetEnvironment{texts, vocabulary, metrics, bus, options, banks},
                            "GI_Sheet_BankOp", sheetOptions);
        sheet->Build();
        RecordingCanvas canvas;
        CellPainter(*sheet, evaluator).DrawCell(canvas, grid, column, row, kCell);
        return canvas;
    }

    testing::FakeFontMetrics metrics;
    FakeGridState grid;
    std::unique_ptr<Sheet> sheet;
};

TEST_F(SheetDrawingTest, APrintedGreyCaptionIsDarkGreyWithWhiteTextAcrossItsSpan) {
    for (const int column : {kNameColumn, kNameColumn + 1}) {
        SCOPED_TRACE(column);
        const RecordingCanvas canvas = Draw(column, kCaptionRow, true);
        ASSERT_EQ(canvas.fills.size(), 1u);
        EXPECT_EQ(canvas.fills[0].colour, 0x606060u);
        ASSERT_EQ(canvas.texts.size(), 1u);
        EXPECT_EQ(canvas.texts[0].line, "Bank Name");
        EXPECT_EQ(canvas.texts[0].colour, colour::kWhite);
    }
    const int nameWidth = sheet->ColumnWidth(kNameColumn);
    const RecordingCanvas covered = Draw(kNameColumn + 1, kCaptionRow, true);
    EXPECT_EQ(covered.fills[0].rect.left, kCell.left - nameWidth);
}

TEST_F(SheetDrawingTest, APrintedWindowCellIsWhiteWithBlackTextAndRules) {
    const RecordingCanvas canvas = Draw(kNameColumn, kFirstBankRow, true);
    EXPECT_TRUE(canvas.fills.empty());
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].colour, colour::kBlack);
    ASSERT_EQ(canvas.lines.size(), 1u);  // the value cells' bottom rule
    EXPECT_EQ(canvas.lines[0].colour, colour::kBlack);
    EXPECT_EQ(canvas.lines[0].from.y, kCell.bottom);
}

TEST_F(SheetDrawingTest, TheSeparatorFillsTheLowerThreeTenthsInGrey) {
    const RecordingCanvas canvas = Draw(kSeparatorColumn, kFirstBankRow, false);
    ASSERT_EQ(canvas.fills.size(), 2u);
    EXPECT_EQ(canvas.fills[0].colour, colour::kWindow);
    EXPECT_EQ(canvas.fills[1].rect, (PixelRect{0, 28, 79, 39}));
    EXPECT_EQ(canvas.fills[1].colour, 0x808080u);
}

TEST_F(SheetDrawingTest, AnEmptyBankBeforeAUsedOneCarriesTheErrorMark) {
    struct Case {
        int bank;
        bool printing;
        std::size_t images;
        std::size_t polygons;
    };
    const Case cases[] = {
        {1, false, 1, 0},  // capacity 0 while bank 2 has channels
        {1, true, 0, 1},   // printed as the vector cross
        {0, false, 0, 0},
        {3, false, 0, 0},  // no later bank is used
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "bank " << c.bank << (c.printing ? " printed" : ""));
        const RecordingCanvas canvas = Draw(kCapacityColumn, kFirstBankRow + c.bank, c.printing);
        EXPECT_EQ(canvas.images.size(), c.images);
        EXPECT_EQ(canvas.polygons.size(), c.polygons);
        if (c.images == 1) {
            // The capacity is right-aligned: the mark sits at the left.
            EXPECT_EQ(canvas.images[0].index, Canvas::kErrorImage);
            EXPECT_EQ(canvas.images[0].origin, (PixelPoint{2, kCell.bottom - 16}));
        }
    }
}

}  // namespace
}  // namespace orvane
