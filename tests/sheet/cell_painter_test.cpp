// Drawing cells onto a canvas: colours by selection and print mode, rules, spans, text
// positions, the data model's fills and colours, and the marks.

#include "sheet/cell_painter.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "drawing_evaluator.h"
#include "recording_canvas.h"
#include "sheet/sheet.h"
#include "sheet_test_support.h"

namespace orvane {
namespace {

using testing::DefinitionResource;
using testing::DrawingEvaluator;
using testing::FakeGridState;
using testing::RecordingCanvas;
using testing::SheetTestEnvironment;

// Fonts are 10 pixels high: with the test metrics a character is 5 pixels wide and a
// line 13 pixels high.
const DefinitionResource& PaintResource() {
    static const DefinitionResource resource({
        {"T_Style", "(FixedCols=1)(FixedRows=1)(ColSizing)(ColorSelectLine)"},
        {"T_BasicCell", "{<-(Color=clWindow)(Font=DEFAULT_CHARSET,,clWindowText,-10,,,)}"},
        {"T_Cells",
         "{W(Color=clGray)(Font=,,clWhite,,,,)}No|{W^BX(Color=clGray)(Font=,,clWhite,,,,)}Caption"
         "|{+}own|{X}Right\n"
         "{B(Color=clGray)(Font=,,clWhite,,,,)}1|{SWB(%CL_Value)}x|{T(Font=,,clSilver,,,,)}tip"
         "|{Q(%CL_Other)}y\n"
         "{<~}ab|{^-}ab|{>_}ab|{<~}ab\\ncd\n"
         "|{(%CL_Mark)}|{>(%CL_Mark)}|{(%CL_Fill)}"},
    });
    return resource;
}

constexpr Colour kOlive = 0x00008080;
constexpr Colour kGrey = 0x00808080;

class CellPainterTest : public ::testing::Test {
protected:
    CellPainterTest() : environment(PaintResource().Resource()) {
        Answer("CL_Value").text = "x";
        DrawingEvaluator::Answer& other = Answer("CL_Other");
        other.text = "y";
        other.textColour = kOlive;
    }

    // The data model's answer for a cell identifier, cleared.
    DrawingEvaluator::Answer& Answer(std::string_view name) {
        return evaluator.answers[Id(name)] = DrawingEvaluator::Answer{};
    }

    static SheetOptions Printing(double scale = 1.0) {
        SheetOptions options;
        options.printing = true;
        options.printScale = scale;
        return options;
    }
    std::int32_t Id(std::string_view name) { return environment.vocabulary.CellIdFromName(name); }
    Sheet& Build(const SheetOptions& options = {}) {
        sheet = std::make_unique<Sheet>(environment.Get(), "T", options);
        sheet->Build();
        return *sheet;
    }
    RecordingCanvas Draw(int column, int row, PixelRect rect, const SheetOptions& options = {}) {
        Build(options);
        RecordingCanvas canvas;
        CellPainter(*sheet, evaluator).DrawCell(canvas, grid, column, row, rect);
        EXPECT_TRUE(canvas.ClipsBalanced());
        return canvas;
    }

    SheetTestEnvironment environment;
    DrawingEvaluator evaluator;
    FakeGridState grid;
    std::unique_ptr<Sheet> sheet;
};

constexpr PixelRect kCell{0, 0, 39, 19};

TEST(DerivedColoursTest, RowTintAndInactiveSelectionMixEachChannel) {
    struct Case {
        Colour window;
        Colour windowText;
        Colour tint;
        Colour inactive;
    };
    const Case cases[] = {
        {0x00FFFFFF, 0x00000000, 0x00DFDFDF, 0x00BFBFBF},
        {0x00FF8040, 0x00102030, 0x00E1743E, 0x00C3683C},
        {0x00202020, 0x00E0E0E0, 0x00383838, 0x00505050},  // a dark theme
        {0x00000000, 0x00000000, 0x00000000, 0x00000000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CurrentRowTint(c.window, c.windowText), c.tint) << std::hex << c.window;
        EXPECT_EQ(InactiveSelection(c.window, c.windowText), c.inactive) << std::hex << c.window;
    }
}

TEST_F(CellPainterTest, BackgroundTextAndRuleColoursFollowSelectionAndPrinting) {
    struct Case {
        const char* what;
        int column;
        bool printing;
        bool slotSelected;  // the value cell (1, 1)
        bool focused;
        bool dialogMode;
        bool editorOpen;
        int currentColumn;
        int currentRow;
        std::optional<Colour> fill;
        Colour text;
        std::optional<Colour> rule;
    };
    const Colour window = colour::kWindow;
    const Colour windowText = colour::kWindowText;
    const Colour highlight = colour::kHighlight;
    const Colour highlightText = colour::kHighlightText;
    const Colour white = colour::kWhite;
    const Case cases[] = {
        {"plain", 1, false, false, true, false, false, 1, 3, window, windowText, kGrey},
        {"current row", 1, false, false, true, false, false, 3, 1, 0xDFDFDF, windowText, kGrey},
        {"selected", 1, false, true, true, false, false, 1, 1, highlight, highlightText, kGrey},
        {"selected, no focus", 1, false, true, false, false, false, 1, 1, 0xBFBFBF, windowText,
         kGrey},
        {"dialog, no focus", 1, false, true, false, true, false, 1, 1, highlight, highlightText,
         kGrey},
        {"dialog, current row", 1, false, false, true, true, false, 3, 1, window, windowText,
         kGrey},
        {"editor open", 1, false, true, true, false, true, 1, 1, 0xDFDFDF, windowText, kGrey},
        {"printed window", 1, true, false, false, false, false, -1, -1, std::nullopt, 0, 0},
        {"fixed column", 0, false, false, true, false, false, 3, 1, kGrey, white, white},
        {"printed grey", 0, true, false, false, false, false, -1, -1, 0x606060, white, white},
        {"tip of the current cell", 2, false, true, false, false, false, 1, 1, 0xBFBFBF, window,
         std::nullopt},
        {"tip elsewhere", 2, false, false, true, false, false, 3, 3, window, colour::kSilver,
         std::nullopt},
        {"data model colour", 3, false, false, true, false, false, 1, 3, window, kOlive, kGrey},
        {"data model colour, selected", 3, false, false, true, false, false, 3, 1, highlight,
         highlightText, kGrey},
        {"data model colour, printed", 3, true, false, false, false, false, -1, -1, std::nullopt, 0,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        grid = FakeGridState{};
        grid.focused = c.focused;
        grid.dialogMode = c.dialogMode;
        grid.editorOpen = c.editorOpen;
        grid.currentColumn = c.currentColumn;
        grid.currentRow = c.currentRow;
        if (c.slotSelected) {
            grid.selected.insert({1, 1});
        }
        if (c.column == 3 && c.currentColumn == 3) {
            grid.selected.insert({3, 1});
        }
        const RecordingCanvas canvas =
            Draw(c.column, 1, kCell, c.printing ? Printing() : SheetOptions{});
        if (c.fill) {
            ASSERT_FALSE(canvas.fills.empty());
            EXPECT_EQ(canvas.fills[0].rect, kCell);
            EXPECT_EQ(canvas.fills[0].colour, *c.fill);
        } else {
            EXPECT_TRUE(canvas.fills.empty()) << "the paper is white already";
        }
        ASSERT_EQ(canvas.texts.size(), 1u);
        EXPECT_EQ(canvas.texts[0].colour, c.text);
        if (c.rule) {
            ASSERT_EQ(canvas.lines.size(), 1u);
            EXPECT_EQ(canvas.lines[0].colour, *c.rule);
        }
    }
}

TEST_F(CellPainterTest, RulesRunAlongTheLastPixelRowAndColumn) {
    const PixelRect rect{10, 20, 49, 39};  // 40 x 20
    // (1, 1) has a bottom rule, (3, 1) a right rule over the lower 30 %.
    RecordingCanvas bottom = Draw(1, 1, rect);
    ASSERT_EQ(bottom.lines.size(), 1u);
    EXPECT_EQ(bottom.lines[0].from, (PixelPoint{10, 39}));
    EXPECT_EQ(bottom.lines[0].to, (PixelPoint{49, 39}));

    RecordingCanvas lower = Draw(3, 1, rect);
    ASSERT_EQ(lower.lines.size(), 1u);
    EXPECT_EQ(lower.lines[0].from, (PixelPoint{49, 34}));
    EXPECT_EQ(lower.lines[0].to, (PixelPoint{49, 39}));

    RecordingCanvas full = Draw(3, 0, rect);
    ASSERT_EQ(full.lines.size(), 1u);
    EXPECT_EQ(full.lines[0].from, (PixelPoint{49, 20}));
    EXPECT_EQ(full.lines[0].to, (PixelPoint{49, 39}));
}

TEST_F(CellPainterTest, ACoveredCellDrawsItsOwnerAcrossTheCoveredColumns) {
    // "Caption" (35 pixels, centred, bottom and right rule) covers column 2, whose own
    // text "own" never shows.
    const Sheet& built = Build();
    ASSERT_EQ(built.ColumnWidth(1), 43);

    const RecordingCanvas covered = Draw(2, 0, {61, 0, 80, 19});
    ASSERT_EQ(covered.fills.size(), 1u);
    EXPECT_EQ(covered.fills[0].rect, (PixelRect{18, 0, 80, 19}));
    EXPECT_EQ(covered.fills[0].colour, kGrey);
    ASSERT_EQ(covered.texts.size(), 1u);
    EXPECT_EQ(covered.texts[0].line, "Caption");
    EXPECT_EQ(covered.texts[0].origin, (PixelPoint{32, 3}));
    EXPECT_FALSE(covered.texts[0].clip);
    ASSERT_EQ(covered.lines.size(), 2u);
    EXPECT_EQ(covered.lines[0].from, (PixelPoint{18, 19}));
    EXPECT_EQ(covered.lines[0].to, (PixelPoint{80, 19}));
    EXPECT_EQ(covered.lines[1].from, (PixelPoint{80, 0})) << "the span's right edge has the rule";

    // The owner on its own: its right neighbour is covered, so no right rule.
    const RecordingCanvas owner = Draw(1, 0, {18, 0, 60, 19});
    ASSERT_EQ(owner.texts.size(), 1u);
    EXPECT_EQ(owner.texts[0].line, "Caption");
    EXPECT_EQ(owner.texts[0].origin, (PixelPoint{22, 3}));
    ASSERT_EQ(owner.lines.size(), 1u);
    EXPECT_EQ(owner.lines[0].from.y, owner.lines[0].to.y) << "only the bottom rule";
}

TEST_F(CellPainterTest, TextLinesArePlacedByAlignmentAndScale) {
    struct Case {
        int column;
        double printScale;  // 0: on screen
        std::vector<PixelPoint> origins;
    };
    // A 50 x 30 cell at (10, 20); "ab" is 10 pixels wide, a line 13 high.
    const Case cases[] = {
        {0, 0, {{14, 21}}},            // left, top
        {1, 0, {{30, 28}}},            // centre, middle
        {2, 0, {{46, 36}}},            // right, bottom
        {3, 0, {{14, 21}, {14, 34}}},  // two lines
        {0, 2, {{18, 22}}},           {1, 2, {{30, 28}}},
        {2, 2, {{42, 35}}},           {3, 2, {{18, 22}, {18, 35}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "column " << c.column << " scale " << c.printScale);
        const RecordingCanvas canvas =
            Draw(c.column, 2, {10, 20, 59, 49},
                 c.printScale > 0 ? Printing(c.printScale) : SheetOptions{});
        ASSERT_EQ(canvas.texts.size(), c.origins.size());
        for (std::size_t i = 0; i < c.origins.size(); ++i) {
            EXPECT_EQ(canvas.texts[i].origin, c.origins[i]) << i;
        }
    }
}

TEST_F(CellPainterTest, ALineThatDoesNotFitIsClippedToTheCell) {
    struct Case {
        int column;
        PixelRect rect;
        int x;
        bool clipped;
    };
    const Case cases[] = {
        {0, {10, 20, 26, 49}, 14, false},  // 14 + 10 + 1 < 26
        {0, {10, 20, 25, 49}, 14, true},
        {2, {10, 20, 15, 49}, 10, true},  // right-aligned, but never left of the cell
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rect.right);
        const RecordingCanvas canvas = Draw(c.column, 2, c.rect);
        ASSERT_EQ(canvas.texts.size(), 1u);
        EXPECT_EQ(canvas.texts[0].origin.x, c.x);
        EXPECT_EQ(canvas.texts[0].clip, c.clipped ? std::optional(c.rect) : std::nullopt);
    }
}

TEST_F(CellPainterTest, ScreenMarksAreImagesPlacedByTheDataModelsPosition) {
    struct Case {
        const char* what;
        int column;  // 1 left-aligned, 2 right-aligned
        std::string text;
        std::uint32_t flags;
        MarkPosition position;
        std::optional<RecordingCanvas::Image> image;
    };
    const std::uint32_t warning = CellRequest::kWarning;
    const std::uint32_t error = CellRequest::kError;
    // A 100 x 20 cell; images are 16 pixels, their last row at y 18.
    const Case cases[] = {
        {"error wins", 1, "ab", warning | error, MarkPosition::kLeft, {{5, {2, 3}}}},
        {"after the text", 1, "ab", warning, MarkPosition::kRight, {{4, {14, 3}}}},
        {"right edge", 1, std::string(30, 'x'), warning, MarkPosition::kRight, {{4, {82, 3}}}},
        {"default, left-aligned", 1, "ab", warning, MarkPosition::kDefault, {{4, {14, 3}}}},
        {"default, right-aligned", 2, "ab", error, MarkPosition::kDefault, {{5, {2, 3}}}},
        {"empty text", 1, "", warning, MarkPosition::kDefault, {{4, {9, 3}}}},
        {"no mark", 1, "ab", 0, MarkPosition::kLeft, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DrawingEvaluator::Answer& answer = Answer("CL_Mark");
        answer.text = c.text;
        answer.flags = c.flags;
        answer.markPosition = c.position;
        const RecordingCanvas canvas = Draw(c.column, 3, {0, 0, 99, 19});
        if (!c.image) {
            EXPECT_TRUE(canvas.images.empty());
            continue;
        }
        ASSERT_EQ(canvas.images.size(), 1u);
        EXPECT_EQ(canvas.images[0].index, c.image->index);
        EXPECT_EQ(canvas.images[0].origin, c.image->origin);
        EXPECT_TRUE(canvas.polygons.empty());
    }
}

TEST_F(CellPainterTest, ALinkedCellWithEmptyTextDrawsOneBlank) {
    Answer("CL_Mark").flags = CellRequest::kError;
    const RecordingCanvas canvas = Draw(1, 3, {0, 0, 99, 19});
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].line, " ");
    EXPECT_EQ(canvas.images.size(), 1u);
}

TEST_F(CellPainterTest, PrintedMarksAreTheVectorShapesOfHalfTheCellHeight) {
    using Points = std::vector<PixelPoint>;
    struct Case {
        int height;  // of the cell: J is half of it
        PixelPoint origin;
        Points cross;
        Points triangle;
        int trianglePen;
        Points stroke;
        Points dot;
    };
    // Mark position 1: x = J / 8; the shapes start J + J / 8 above the last pixel row.
    const Case cases[] = {
        {40,
         {2, 17},
         {{2, 0},
          {10, 8},
          {17, 0},
          {19, 2},
          {12, 10},
          {19, 17},
          {17, 19},
          {10, 12},
          {2, 19},
          {0, 17},
          {8, 10},
          {0, 2}},
         {{10, 0}, {19, 19}, {0, 19}},
         2,
         {{8, 6}, {12, 6}, {12, 13}, {8, 13}},
         {{8, 15}, {12, 15}, {12, 18}, {8, 18}}},
        {66,
         {4, 28},
         {{4, 0},
          {16, 12},
          {28, 0},
          {32, 4},
          {20, 16},
          {32, 28},
          {28, 32},
          {16, 20},
          {4, 32},
          {0, 28},
          {12, 16},
          {0, 4}},
         {{16, 0}, {32, 32}, {0, 32}},
         3,
         {{12, 11}, {20, 11}, {19, 22}, {13, 22}},
         {{13, 24}, {19, 24}, {19, 29}, {13, 29}}},
    };
    const auto shifted = [](Points points, PixelPoint origin) {
        for (PixelPoint& point : points) {
            point = {point.x + origin.x, point.y + origin.y};
        }
        return points;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        const PixelRect rect{0, 0, 199, c.height - 1};
        DrawingEvaluator::Answer& answer = Answer("CL_Mark");
        answer.text = "ab";
        answer.flags = CellRequest::kError;
        answer.markPosition = MarkPosition::kLeft;
        const RecordingCanvas error = Draw(1, 3, rect, Printing());
        EXPECT_TRUE(error.images.empty());
        ASSERT_EQ(error.polygons.size(), 1u);
        EXPECT_EQ(error.polygons[0].points, shifted(c.cross, c.origin));
        EXPECT_EQ(error.polygons[0].fill, colour::kBlack);
        EXPECT_EQ(error.polygons[0].penWidth, 1);

        answer.flags = CellRequest::kWarning;
        const RecordingCanvas warning = Draw(1, 3, rect, Printing());
        ASSERT_EQ(warning.polygons.size(), 3u);
        EXPECT_EQ(warning.polygons[0].points, shifted(c.triangle, c.origin));
        EXPECT_EQ(warning.polygons[0].fill, colour::kWhite);
        EXPECT_EQ(warning.polygons[0].outline, colour::kBlack);
        EXPECT_EQ(warning.polygons[0].penWidth, c.trianglePen);
        EXPECT_EQ(warning.polygons[1].points, shifted(c.stroke, c.origin));
        EXPECT_EQ(warning.polygons[2].points, shifted(c.dot, c.origin));
        EXPECT_EQ(warning.polygons[2].fill, colour::kBlack);
    }
}

TEST_F(CellPainterTest, TheDataModelFillsTheLowerTenthsOverTheBackground) {
    struct Case {
        std::int32_t tenths;
        std::optional<PixelRect> fill;
    };
    const Case cases[] = {
        {3, PixelRect{0, 14, 9, 19}},
        {10, PixelRect{0, 0, 9, 19}},
        {0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tenths);
        DrawingEvaluator::Answer& answer = Answer("CL_Fill");
        answer.fillTenths = c.tenths;
        answer.fillColour = kGrey;
        const RecordingCanvas canvas = Draw(3, 3, {0, 0, 9, 19});
        ASSERT_EQ(canvas.fills.size(), c.fill ? 2u : 1u);
        EXPECT_EQ(canvas.fills[0].colour, colour::kWindow) << "the background comes first";
        if (c.fill) {
            EXPECT_EQ(canvas.fills[1].rect, *c.fill);
            EXPECT_EQ(canvas.fills[1].colour, kGrey);
        }
    }
}

TEST_F(CellPainterTest, TheDataModelIsAskedInDrawModeWithSelectionAndPrintFlags) {
    grid.currentColumn = 1;
    grid.currentRow = 1;
    grid.selected.insert({1, 1});
    Draw(1, 1, kCell);
    Draw(3, 1, kCell);
    Draw(1, 1, kCell, Printing());
    Draw(0, 1, kCell);  // a label is never asked
    ASSERT_EQ(evaluator.seen.size(), 3u);
    EXPECT_EQ(evaluator.seen[0].link.cellId, Id("CL_Value"));
    EXPECT_EQ(evaluator.seen[0].flags, CellRequest::kCurrent);
    EXPECT_EQ(evaluator.seen[0].mode, CellEvaluator::kDraw);
    EXPECT_EQ(evaluator.seen[1].flags, 0u);
    EXPECT_EQ(evaluator.seen[2].flags, CellRequest::kCurrent | CellRequest::kPrinting);
}

TEST_F(CellPainterTest, DrawingATipsOwnerAsksForTheTipAgain) {
    Draw(1, 1, kCell);
    Draw(3, 1, kCell);
    EXPECT_EQ(grid.invalidated, (std::vector<std::pair<int, int>>{{2, 1}}));
}

TEST_F(CellPainterTest, ZeroSizedCellsDrawNothing) {
    for (const PixelRect rect : {PixelRect{5, 5, 4, 20}, PixelRect{5, 5, 20, 4}}) {
        const RecordingCanvas canvas = Draw(1, 1, rect);
        EXPECT_TRUE(canvas.Empty());
    }
    EXPECT_TRUE(evaluator.seen.empty());
}

}  // namespace
}  // namespace orvane
