// The cell syntax: splitting rows into cells, escapes, flag letters, links, counters,
// presets and the inheritance from the parent cell.

#include <gtest/gtest.h>

#include "base/fatal.h"
#include "sheet/cell_parser.h"
#include "sheet/font_spec.h"
#include "sheet_test_support.h"
#include "support/fatal_trap.h"

namespace orvane {
namespace {

using testing::DefinitionResource;
using testing::SheetTestEnvironment;

class CellParserTest : public ::testing::Test {
protected:
    SheetCell Parse(std::string_view source, const SheetCell* parent = nullptr) {
        SheetCell cell;
        parser.ParseCell(cell, source, &counters, parent);
        return cell;
    }
    // Every cell of a row, parsed left to right.
    std::vector<SheetCell> ParseRow(std::string_view row) {
        std::vector<SheetCell> cells;
        while (!row.empty()) {
            cells.emplace_back();
            row = parser.ParseCell(cells.back(), row, &counters, nullptr);
        }
        return cells;
    }
    std::int32_t Category(std::string_view name) {
        return environment.vocabulary.CategoryFromName(name);
    }
    std::int32_t Cell(std::string_view name) { return environment.vocabulary.CellIdFromName(name); }

    DefinitionResource resource{{
        {"CellModel_Basic",
         "<-(Color=clWindow)(Font=DEFAULT_CHARSET,,clWindowText,-17,,,)(PopupMenu=GI_PMenu_Edit)"},
        {"CellModel_eWh", "S<_WHB"},
        {"CellModel_iCR", ">_WH(Color=clGray)(Font=,,clWhite,,,fsBold,)"},
        {"CellModel_Outer", "($eWh)X"},
        {"CellModel_Loop", "($Loop)"},
    }};
    SheetTestEnvironment environment{resource.Resource()};
    CellParser parser{environment.store, environment.vocabulary};
    SheetCounters counters{};
};

TEST_F(CellParserTest, RowsSplitAtUnescapedBars) {
    struct Case {
        std::string_view row;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"|a|b", {"", "a", "b"}},
        {"a|b|", {"a", "b"}},
        {"", {}},
        {"|", {""}},
        {"||", {"", ""}},
        {"a\\|b|c", {"a|b", "c"}},
        {"{(%CL_Null)}x\t|\ty", {"x", "y"}},
        {"{|}z", {"", "z"}},  // braces do not protect a bar
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CellParser::CountCells(c.row), static_cast<int>(c.texts.size())) << c.row;
        std::vector<std::string> texts;
        for (const SheetCell& cell : ParseRow(c.row)) {
            texts.push_back(cell.text);
        }
        EXPECT_EQ(texts, c.texts) << c.row;
    }
}

TEST_F(CellParserTest, TextIsTrimmedAndUnescaped) {
    counters[2] = 41;
    counters[3] = 1234567;
    counters[4] = -5;
    const std::pair<std::string_view, std::string> cases[] = {
        {"\t\t", ""},
        {"  x\t ", "x"},
        {"\\_", " "},
        {"\\_  pad  \\_", "   pad   "},
        {"WX\\nCH", "WX\nCH"},
        {"a\\Nb", "a\nb"},
        {"\\\\", "\\"},
        {"a\\)", "a)"},
        {"trailing\\", "trailing"},
        {"{W}x{H}y", "xy"},
        {"CH\\(@ch2)", "CH41"},
        {"\\( @ch2 + 9 )", "50"},
        {"\\(@ch2-1)", "41"},  // only '+' is understood
        {"\\(@ch3)", "123456"},
        {"\\(@ch4)", "-5"},
    };
    for (const auto& [source, text] : cases) {
        EXPECT_EQ(Parse(source).text, text) << source;
    }
}

TEST_F(CellParserTest, FlagLettersSetTheirFields) {
    struct Case {
        std::string_view source;
        std::uint8_t layout;
        std::uint8_t state;
    };
    const Case cases[] = {
        {"{<}", 0x00, 0},
        {"{^}", 0x01, 0},
        {"{>}", 0x02, 0},
        {"{~}", 0x00, 0},
        {"{-}", 0x04, 0},
        {"{_}", 0x08, 0},
        {"{W}", 0x10, 0},
        {"{H}", 0x20, 0},
        {"{+}", 0x40, 0},
        {"{B}", 0x80, 0},
        {"{X}", 0x00, 1},
        {"{Q}", 0x00, 2},
        {"{XQ}", 0x00, 2},
        {"{X!Q}", 0x00, 0},
        {"{S}", 0x00, 0x04},
        {"{T}", 0x00, 0x08},
        {"{S!S}", 0x00, 0},
        {"{>^}", 0x01, 0},
        {"{!>}", 0x02, 0},     // alignment cannot be negated
        {"{!YB}", 0x80, 0},    // the negation is spent on the ignored letter
        {"{WB}{H}", 0xB0, 0},  // several blocks are joined
        {"{($eWh)!B}", 0x38, 0x04},
        {"{($eWh)!S}", 0xB8, 0},
        {"{($Outer)}", 0xB8, 0x05},
        {"{!(Flag0=1)B}", 0x80, 0x10},  // the negation runs out inside the attribute
        {"{ \t W}", 0x10, 0},
    };
    for (const Case& c : cases) {
        const SheetCell cell = Parse(c.source);
        EXPECT_EQ(cell.layout, c.layout) << c.source;
        EXPECT_EQ(cell.state, c.state) << c.source;
    }
    EXPECT_EQ(Parse("{!(Color=clRed)}").colour, 0x000000FFu);
}

TEST_F(CellParserTest, LinksNameCategoryCellIndexAndText) {
    counters[0] = 3;
    struct Case {
        std::string_view source;
        CellLink link;
        std::optional<std::string> linkText;
    };
    constexpr std::int32_t kNone = CellLink::kNoCategory;
    const Case cases[] = {
        {"{(%CT_Conv.)}", {Category("CT_Conv"), CellLink::kNoCell, 0}, std::nullopt},
        {"{(%CL_Mch_Bank[7])}", {kNone, Cell("CL_Mch_Bank"), 7}, std::nullopt},
        {"{(%CT_PopupMenu.CL_PMenu_NoItem)}",
         {Category("CT_PopupMenu"), Cell("CL_PMenu_NoItem"), 0},
         std::nullopt},
        {"{(%.CL_Null)}", {kNone, Cell("CL_Null"), 0}, std::nullopt},
        {"{(%Flex0[0 ]:1)}", {kNone, Cell("Flex0"), 0}, "1"},
        {"{(%Flex0[255]:)}", {kNone, Cell("Flex0"), 255}, ""},
        {"{(%CL_Mch_Bank[@ch0])}", {kNone, Cell("CL_Mch_Bank"), 3}, std::nullopt},
        {"{(%CL_Menu_File_New:Ctrl+N)}", {kNone, Cell("CL_Menu_File_New"), 0}, "Ctrl+N"},
        {"{(%CallSheet:[St_ColCut]GI_Sheet_MemoryCH,Bank 0)}",
         {kNone, Cell("CallSheet"), 0},
         "[St_ColCut]GI_Sheet_MemoryCH,Bank 0"},
        {"{(%CL_Null:a\\)b\\\\c)}", {kNone, Cell("CL_Null"), 0}, "a)b\\c"},
        {"{(%CL_Null:Clone Info.)}", {kNone, Cell("CL_Null"), 0}, "Clone Info."},
    };
    for (const Case& c : cases) {
        const SheetCell cell = Parse(c.source);
        EXPECT_EQ(cell.link, c.link) << c.source;
        EXPECT_EQ(cell.linkText, c.linkText) << c.source;
    }
}

TEST_F(CellParserTest, ParentGivesEverythingButFontAndPopupMenu) {
    const SheetCell basic =
        Parse("{($Basic)($iCR)(%CT_BankOp.CL_Mch_Bank[4]:tail)(ImageIndex=3)(Flag5=1)}P");
    const SheetCell cell = Parse("{(%CL_Mch_UsedCHs)}", &basic);
    EXPECT_EQ(cell.link, (CellLink{Category("CT_BankOp"), Cell("CL_Mch_UsedCHs"), 4}))
        << "category and index inherited";
    EXPECT_EQ(cell.linkText, "tail");
    EXPECT_EQ(cell.imageIndex, 3);
    EXPECT_EQ(cell.layout, basic.layout);
    EXPECT_EQ(cell.moreFlags, 0x02);
    EXPECT_EQ(cell.colour, 0x00808080u);
    EXPECT_EQ(cell.text, "");  // a parsed cell's text is always its own
    EXPECT_FALSE(cell.font.has_value());
    EXPECT_FALSE(cell.popupMenu.has_value());
    EXPECT_EQ(cell.ResolvePopupMenu(), "GI_PMenu_Edit");
}

TEST_F(CellParserTest, PresetsExpandWhereTheyStand) {
    EXPECT_EQ(Parse("{($iCR)<}").Horizontal(), HorizontalAlignment::Left);
    EXPECT_EQ(Parse("{<($iCR)}").Horizontal(), HorizontalAlignment::Right);
    EXPECT_EQ(Parse("{<($iCR)}").Vertical(), VerticalAlignment::Bottom);
}

TEST_F(CellParserTest, FontsStartFromTheParentsOwnFont) {
    const SheetCell basic = Parse("{($Basic)}");
    ASSERT_TRUE(basic.font.has_value());
    EXPECT_EQ(basic.font->height, -17);
    EXPECT_EQ(basic.font->face, kDefaultFontFace);

    const SheetCell caption = Parse("{($iCR)}", &basic);
    ASSERT_TRUE(caption.font.has_value());
    EXPECT_EQ(caption.font->height, -17);
    EXPECT_EQ(caption.font->colour, 0x00FFFFFFu);
    EXPECT_EQ(caption.font->style, FontDescription::kBold);
    EXPECT_EQ(basic.font->style, 0) << "the parent's font is copied, not shared";

    EXPECT_EQ(Parse("{(Font=,,,%50,,,)}", &basic).font->height, -8);
    EXPECT_EQ(Parse("{(Font=,,,%5,,,)}", &basic).font->height, 1);
    EXPECT_EQ(Parse("{(Font=,,,%50,,,)}").font->height, DefaultFont().height / 2);
}

TEST_F(CellParserTest, PopupMenuNamesResolveThroughTheParent) {
    const SheetCell basic = Parse("{($Basic)}");
    EXPECT_EQ(Parse("{(PopupMenu=)}", &basic).ResolvePopupMenu(), "GI_PMenu_Edit");
    EXPECT_EQ(Parse("{(PopupMenu=GI_PMenu_UpDn)}", &basic).ResolvePopupMenu(), "GI_PMenu_UpDn");
    EXPECT_EQ(Parse("{($Basic)(PopupMenu=)}").ResolvePopupMenu(), std::nullopt);
    EXPECT_EQ(Parse("{($Basic)(PopupMenu)}").ResolvePopupMenu(), "GI_PMenu_Edit");
}

TEST_F(CellParserTest, SmallAttributesChangeOnlyWhenWellFormed) {
    struct Case {
        std::string_view source;
        std::uint8_t state;
        std::uint8_t moreFlags;
        Colour colour;
        int imageIndex;
    };
    const Case cases[] = {
        {"{(Flag0=1)}", 0x10, 0, colour::kWindow, -1},
        {"{(Flag3=1)}", 0x80, 0, colour::kWindow, -1},
        {"{(Flag4=1)}", 0, 0x01, colour::kWindow, -1},
        {"{(Flag7=1)(Flag7=0)(Flag6=1)}", 0, 0x04, colour::kWindow, -1},
        {"{(Flag9=1)(Flag3=2)(Flag3 =1)(Flag3=11)}", 0, 0, colour::kWindow, -1},
        {"{(Color=clHightlightText)}", 0, 0, SystemColour(14), -1},
        {"{(Color=clHighlightText)}", 0, 0, colour::kWindow, -1},
        {"{(Color=clred)}", 0, 0, colour::kWindow, -1},
        {"{(Color=clTeal)}", 0, 0, 0x00808000, -1},
        {"{(ImageIndex=7)}", 0, 0, colour::kWindow, 7},
        {"{(ImageIndex)}", 0, 0, colour::kWindow, -1},
        {"{(`@#Ver 1.0 comment}", 0, 0, colour::kWindow, -1},
    };
    for (const Case& c : cases) {
        const SheetCell cell = Parse(c.source);
        EXPECT_EQ(cell.state, c.state) << c.source;
        EXPECT_EQ(cell.moreFlags, c.moreFlags) << c.source;
        EXPECT_EQ(cell.colour, c.colour) << c.source;
        EXPECT_EQ(cell.imageIndex, c.imageIndex) << c.source;
    }
}

TEST_F(CellParserTest, CountersChangeInParseOrder) {
    const SheetCell first = Parse("{(@ch0=2)(%CL_Mch_Bank[@ch0])(@ch0++)}\\(@ch0)");
    EXPECT_EQ(first.link.index, 2);
    EXPECT_EQ(first.text, "3");
    Parse("{(@ch1 =\t7)}");
    EXPECT_EQ(counters[1], 7);
    Parse("{(@ch1++)(@ch1++)(@ch1+)}");
    EXPECT_EQ(counters[1], 9);
}

TEST_F(CellParserTest, MalformedDefinitionsAreFatal) {
    environment.vocabulary.unknown = {"CL_Bogus", "CT_Bogus"};
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"\\(@ch1", "Illegal Ch No."},
        {"{(@ch12=0)}", "Ch No. Error"},
        {"{(@ch=0)}", "Ch No. Error"},
        {"{(@cx1++)}", "Ch No. Error"},
        {"{(%CL_Null[@ch])}", "Ch No. Error"},
        {"\\(@ch12)", "Ch No. Error"},
        {"{(%CL_Bogus)}", "Unknown cell 'CL_Bogus'"},
        {"{(%CT_Bogus.CL_Null)}", "Unknown category 'CT_Bogus'"},
        {"{($Nope)}", "Lumo Error !\nThe index 'CellModel_Nope' was not found."},
        {"{($Loop)}", "Cell model nested too deeply.\n'Loop'"},
    };
    for (const auto& [source, message] : cases) {
        EXPECT_FATAL(Parse(source), std::string(message));
    }
}

TEST_F(CellParserTest, CountersWhereNoneExistAreFatal) {
    const std::string_view sources[] = {"{(@ch0++)}", "\\(@ch0)", "{(%CL_Null[@ch0])}"};
    for (std::string_view source : sources) {
        SheetCell cell;
        EXPECT_FATAL(parser.ParseCell(cell, source, nullptr, nullptr), "Ch No. Error");
    }
}

}  // namespace
}  // namespace orvane
