// Expanding a definition into a grid: style options, the basic cell, loops, counters
// across rows, directives, auto sizing and the definition faults.

#include <gtest/gtest.h>

#include "sheet/font_spec.h"
#include "sheet/sheet.h"
#include "sheet_test_support.h"
#include "support/fatal_trap.h"

namespace orvane {
namespace {

using testing::DefinitionResource;
using testing::SheetTestEnvironment;

// A sheet definition: style line, basic cell line and cell lines.
std::vector<std::pair<std::string, std::string>> Definition(const std::string& name,
                                                            const std::string& style,
                                                            const std::string& basicCell,
                                                            const std::string& cells) {
    return {{name + "_Style", style}, {name + "_BasicCell", basicCell}, {name + "_Cells", cells}};
}

std::vector<std::pair<std::string, std::string>> TestDefinitions() {
    std::vector<std::pair<std::string, std::string>> blocks = {
        {"CellModel_Basic",
         "<-(Color=clWindow)(Font=DEFAULT_CHARSET,,clWindowText,-17,,,)(PopupMenu=GI_PMenu_Edit)"},
    };
    const auto add = [&blocks](const std::vector<std::pair<std::string, std::string>>& more) {
        blocks.insert(blocks.end(), more.begin(), more.end());
    };
    add(Definition("T_Loop", "(FixedCols=1)(FixedRows=1)(MultiSelect=Line)",
                   "{($Basic)(%CT_Conv.)}",
                   "|{(@ch0=5)}head\n"
                   ":(LoopFrom 3)\n"
                   "|{(%CL_Mch_Bank[@ch0])(@ch0++)}x|{S}y\n"
                   ":(LoopTo)\n"
                   "|{(%CL_Mch_Bank[@ch0])}after"));
    add(Definition("T_Multi", "", "{($Basic)}",
                   ":(LoopFrom 2)\n"
                   "|{(%CL_Mch_Bank[@ch1])(@ch1++)}a\n"
                   "|{(%CL_Mch_Bank[@ch1])(@ch1++)}b\n"
                   ":(LoopTo)"));
    add(Definition("T_Edges", "", "{($Basic)}",
                   ":(LoopTo)\n|a\n:(LoopFrom 0)\n|b\n:(LoopTo)\n:(LoopFrom)\n|c\n:(LoopTo)\n"
                   ":(LoopFrom 4)\n|d"));
    add(Definition("T_Select", "(MultiSelect=Line)", "{($Basic)}",
                   "|a\n:(SelectOFF)\n|b\n:(SelectON)(LoopFrom 2)\n|c\n:(LoopTo)"));
    add(Definition("T_SelectOff", "", "{($Basic)}", "|a\n:(SelectOFF)\n|b"));
    add(Definition("T_Fit", "(PrintFontRatio=50)", "{($Basic)}",
                   "|{W}abc|{H}x\\ny|{WH(Font=,,,%50,,,)}zz\n"
                   "\n"
                   "|{H}"));
    add(Definition("T_Style",
                   "(TitleString= Bank Operation)(TitleColor=clNavy)"
                   "(TitleFont=DEFAULT_CHARSET,,clYellow,16,,fsBold,)(FixedCols=3)(FixedRows=30)"
                   "(NoPrint)(PrintFontRatio=80)(MultiSelect=Cell)(ColSizing)(ColorSelectLine)"
                   "(Bogus=1) ignored text",
                   "{($Basic)}", "|a|b"));
    add(Definition("T_Quiet", "(TitleString=)(NoPrint )(MultiSelect=line)", "", "a"));
    add(Definition("T_NoStyle", "", "{($Basic)}", "|a"));
    add(Definition("T_OnlyDirectives", "", "{($Basic)}", ":(LoopFrom 2)\n:(LoopTo)"));
    add(Definition("T_Empty", "", "{($Basic)}", ""));
    add(Definition("T_EmptyLines", "", "{($Basic)}", "\n"));
    return blocks;
}

class SheetLanguageTest : public ::testing::Test {
protected:
    std::unique_ptr<Sheet> Build(const std::string& name, const SheetOptions& options = {}) {
        auto sheet = std::make_unique<Sheet>(environment.Get(), name, options);
        sheet->Build();
        return sheet;
    }

    DefinitionResource resource{TestDefinitions()};
    SheetTestEnvironment environment{resource.Resource()};
};

TEST_F(SheetLanguageTest, LoopRepetitionsAreCopiesWithTheNextIndex) {
    const auto sheet = Build("T_Loop");
    ASSERT_EQ(sheet->RowCount(), 5);
    ASSERT_EQ(sheet->ColumnCount(), 3);
    const int lines[] = {0, 2, 2, 2, 4};
    const int indexes[] = {0, 5, 6, 7, 6};  // the copies never ran "(@ch0++)"
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(sheet->RowSourceAt(row).line, lines[row]) << row;
        EXPECT_EQ(sheet->CellAt(1, row).link.index, indexes[row]) << row;
    }
    EXPECT_EQ(sheet->Counters()[0], 6);
    EXPECT_EQ(sheet->CellAt(2, 3).text, "y");
    EXPECT_EQ(sheet->CellAt(2, 3).link.index, 2) << "every copied cell moves on by one";
    EXPECT_EQ(sheet->CellAt(2, 4).parent, nullptr) << "columns past a line's cells stay default";
    EXPECT_EQ(sheet->CellAt(1, 2).parent, &sheet->BasicCell());
    EXPECT_EQ(sheet->CellAt(1, 2).link.category,
              environment.vocabulary.CategoryFromName("CT_Conv"));
}

TEST_F(SheetLanguageTest, LoopBodiesOfSeveralLinesAreParsedAgain) {
    const auto sheet = Build("T_Multi");
    ASSERT_EQ(sheet->RowCount(), 4);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(sheet->CellAt(1, row).link.index, row);
        EXPECT_EQ(sheet->CellAt(1, row).text, row % 2 == 0 ? "a" : "b");
    }
}

TEST_F(SheetLanguageTest, LoopEdgeCasesProduceTheBodyOnce) {
    // A LoopTo before any LoopFrom, "LoopFrom 0", a bare LoopFrom and a loop never closed.
    const auto sheet = Build("T_Edges");
    ASSERT_EQ(sheet->RowCount(), 4);
    const char* texts[] = {"a", "b", "c", "d"};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(sheet->CellAt(1, row).text, texts[row]);
    }
}

TEST_F(SheetLanguageTest, SelectDirectivesDecideLineSelection) {
    const auto sheet = Build("T_Select");
    ASSERT_EQ(sheet->RowCount(), 4);
    const bool selectable[] = {true, false, true, true};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(sheet->RowSourceAt(row).lineSelectable, selectable[row]) << row;
        EXPECT_EQ((sheet->SlotAt(1, row).flags & CellSlot::kLineSelectable) != 0, selectable[row])
            << row;
    }
    const auto noMultiSelect = Build("T_SelectOff");
    EXPECT_EQ(noMultiSelect->SlotAt(1, 0).flags & CellSlot::kLineSelectable, 0)
        << "slots take the flag only when the sheet selects lines";
}

TEST_F(SheetLanguageTest, GridsWithoutRowsOrColumnsAreFatal) {
    for (const char* name : {"T_OnlyDirectives", "T_Empty", "T_EmptyLines"}) {
        Sheet sheet(environment.Get(), name);
        EXPECT_FATAL(sheet.Build(), "Illegal Cell assign");
    }
}

TEST_F(SheetLanguageTest, CellsOutsideTheGridAreFatal) {
    Sheet unbuilt(environment.Get(), "T_Loop");
    EXPECT_FATAL(unbuilt.CellAt(0, 0), "Illegal Cell selection");
    const auto sheet = Build("T_Loop");
    for (auto [column, row] : {std::pair{-1, 0}, {3, 0}, {0, 5}, {0, -1}}) {
        EXPECT_FATAL(sheet->CellAt(column, row), "Illegal Cell selection");
    }
}

TEST_F(SheetLanguageTest, AutoSizeCellsWidenColumnsAndHeightenRows) {
    // The fake metrics: -17 pixel fonts are 8 pixels a byte and 20 a line.
    struct Case {
        const char* what;
        SheetOptions options;
        std::vector<int> widths;
        std::vector<int> heights;
    };
    SheetOptions small;
    small.fontPercent = 60;  // -10 pixels: 5 a byte, 13 a line
    SheetOptions fixedHeight;
    fixedHeight.explicitFontHeight = 12;  // 6 a byte, 12 a line
    SheetOptions printing;
    printing.printing = true;  // with the style's print ratio of 50: -8 pixels
    printing.printScale = 2.5;
    printing.minimumCellExtent = 3;
    const Case cases[] = {
        {"screen", {}, {1, 32, 1, 16}, {42, 1, 22}},
        {"60 percent", small, {1, 23, 1, 12}, {28, 1, 15}},
        {"explicit height", fixedHeight, {1, 26, 1, 14}, {26, 1, 14}},
        {"printing", printing, {3, 32, 3, 24}, {27, 3, 16}},
    };
    for (const Case& c : cases) {
        const auto sheet = Build("T_Fit", c.options);
        ASSERT_EQ(sheet->ColumnCount(), 4) << c.what;
        ASSERT_EQ(sheet->RowCount(), 3) << c.what;
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(sheet->ColumnWidth(column), c.widths[column]) << c.what << " " << column;
        }
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(sheet->RowHeight(row), c.heights[row]) << c.what << " " << row;
        }
    }
}

TEST_F(SheetLanguageTest, StyleOptionsAreRead) {
    const auto sheet = Build("T_Style");
    const SheetStyle& style = sheet->Style();
    EXPECT_EQ(style.title, " Bank Operation");
    EXPECT_EQ(style.titleColour, 0x00800000u);
    ASSERT_TRUE(style.titleFont.has_value());
    EXPECT_EQ(style.titleFont->height, 16);
    EXPECT_EQ(style.titleFont->colour, 0x0000FFFFu);
    EXPECT_EQ(style.titleFont->style, FontDescription::kBold);
    EXPECT_EQ(style.fixedColumns, 3);
    EXPECT_EQ(sheet->FixedColumnCount(), 2) << "one column always scrolls";
    EXPECT_EQ(sheet->FixedRowCount(), 0);
    EXPECT_TRUE(style.noPrint);
    EXPECT_FALSE(sheet->CanPrint());
    EXPECT_EQ(style.printFontRatio, 80);
    EXPECT_EQ(style.multiSelect, MultiSelectMode::Cell);
    EXPECT_TRUE(style.columnSizing);
    EXPECT_TRUE(style.colorSelectLine);

    const auto quiet = Build("T_Quiet");
    EXPECT_EQ(quiet->Title(), "");
    EXPECT_EQ(quiet->Style().titleColour, colour::kGrayText);
    EXPECT_FALSE(quiet->Style().noPrint);
    EXPECT_EQ(quiet->Style().multiSelect, MultiSelectMode::Off);
    EXPECT_TRUE(quiet->CanPrint());
}

TEST_F(SheetLanguageTest, TheBasicCellCarriesTheFontSizeAndTheGridBackground) {
    const auto plain = Build("T_NoStyle");
    ASSERT_TRUE(plain->BasicCell().font.has_value());
    EXPECT_EQ(plain->BasicCell().font->height, -17);
    EXPECT_EQ(plain->BasicCell().colour, colour::kWindow);
    // A basic cell without a font gets one from the size suffix.
    const auto quiet = Build("T_Quiet");
    ASSERT_TRUE(quiet->BasicCell().font.has_value());
    EXPECT_EQ(quiet->BasicCell().font->height, DefaultFont().height);
    EXPECT_EQ(&quiet->CellFont(quiet->CellAt(0, 0)), &*quiet->BasicCell().font);
}

TEST_F(SheetLanguageTest, SelectableCellsSetTheFirstSelectableMarks) {
    const auto sheet = Build("T_Loop");
    EXPECT_EQ(sheet->FirstSelectableColumn(), 2);
    EXPECT_EQ(sheet->FirstSelectableRow(), 1);
    const auto none = Build("T_NoStyle");
    EXPECT_EQ(none->FirstSelectableColumn(), none->ColumnCount());
    EXPECT_EQ(none->FirstSelectableRow(), none->RowCount());
}

}  // namespace
}  // namespace orvane
