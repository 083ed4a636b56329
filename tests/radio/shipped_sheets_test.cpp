// The sheet definitions built into the program, expanded as the user sees them through
// the data model's own link vocabulary.

#include <gtest/gtest.h>

#include "radio/cell_names.h"
#include "sheet/sheet.h"
#include "sheet/sheet_factory.h"
#include "sheet/sheet_test_support.h"

namespace orvane {
namespace {

using SheetTestEnvironment = testing::BasicSheetTestEnvironment<CellNames>;

class ShippedSheetsTest : public ::testing::Test {
protected:
    std::unique_ptr<Sheet> Build(std::string_view callText, const SheetOptions& options = {}) {
        auto sheet = CreateSheet(environment.Get(), callText, options);
        sheet->Build();
        return sheet;
    }
    CellId Id(std::string_view name) { return names.CellIdFromName(name); }

    SheetTestEnvironment environment;
    CellNames names;
};

TEST_F(ShippedSheetsTest, EveryDefinitionExpands) {
    const TextResource& resource = MainResource();
    int definitions = 0;
    for (std::size_t i = 0; i < resource.LineCount(); ++i) {
        const std::string_view line = resource.Line(i);
        if (!line.starts_with("#GI_Sheet_") || !line.ends_with("_Cells")) {
            continue;
        }
        const std::string name(line.substr(1, line.size() - 1 - std::string_view("_Cells").size()));
        SCOPED_TRACE(name);
        Sheet sheet(environment.Get(), name);
        sheet.Build();
        EXPECT_GT(sheet.RowCount(), 0);
        EXPECT_GT(sheet.ColumnCount(), 0);
        ++definitions;
    }
    EXPECT_GE(definitions, 30) << "the scan should find every sheet of the resource";
}

TEST_F(ShippedSheetsTest, BankOperationLinksTheTenBanksTotalAndRemain) {
    const auto sheet = Build("GI_Sheet_BankOp");
    ASSERT_EQ(sheet->RowCount(), 21);
    ASSERT_EQ(sheet->ColumnCount(), 9);
    EXPECT_EQ(sheet->Title(), " Bank Operation");
    EXPECT_EQ(sheet->FixedRowCount(), 3);
    EXPECT_EQ(sheet->FixedColumnCount(), 3);
    EXPECT_EQ(sheet->Style().multiSelect, MultiSelectMode::Line);
    for (int bank = 0; bank < 10; ++bank) {
        const int row = 3 + bank;
        EXPECT_EQ(sheet->CellAt(3, row).link, (CellLink{3, Id("CL_Bank_Name"), bank}));
        EXPECT_EQ(sheet->CellAt(5, row).link, (CellLink{3, Id("CL_Mch_Bank"), bank}));
        EXPECT_EQ(sheet->CellAt(7, row).link, (CellLink{3, Id("CL_Mch_UsedCHs"), bank}));
        EXPECT_EQ(sheet->CellAt(1, row).text, std::to_string(bank));
        EXPECT_TRUE(sheet->CellAt(3, row).IsSelectable());
        EXPECT_EQ(sheet->CellAt(4, row).link, (CellLink{0, Id("CL_Misc_QuarterPillar"), 0}));
    }
    for (auto [row, index] : {std::pair{16, 10}, {18, 11}}) {
        EXPECT_EQ(sheet->CellAt(5, row).link, (CellLink{3, Id("CL_Mch_Bank"), index}));
        EXPECT_EQ(sheet->CellAt(7, row).link, (CellLink{3, Id("CL_Mch_UsedCHs"), index}));
        EXPECT_FALSE(sheet->CellAt(5, row).IsSelectable());
    }
    EXPECT_EQ(sheet->CellAt(3, 16).text, "Total");
    EXPECT_EQ(sheet->CellAt(3, 18).text, "Remain");
    EXPECT_EQ(sheet->CellAt(3, 14).text, " Channels");
    EXPECT_TRUE(sheet->CellAt(4, 14).IsCovered());
    EXPECT_EQ(sheet->FirstSelectableColumn(), 3);
    EXPECT_EQ(sheet->FirstSelectableRow(), 3);
    EXPECT_EQ(sheet->BasicCell().ResolvePopupMenu(), "GI_PMenu_UpDn");
}

TEST_F(ShippedSheetsTest, WxChannelsAreTenCopiesOfOneLine) {
    const auto sheet = Build("GI_Sheet_WxCH");
    ASSERT_EQ(sheet->RowCount(), 15);
    ASSERT_EQ(sheet->ColumnCount(), 5);
    EXPECT_EQ(sheet->FixedRowCount(), 3);
    for (int channel = 0; channel < 10; ++channel) {
        const int row = 3 + channel;
        EXPECT_EQ(sheet->CellAt(3, row).link.cellId, Id("CL_WxCh_Tag"));
        EXPECT_EQ(sheet->CellAt(3, row).link.index, channel);
        EXPECT_EQ(sheet->CellAt(1, row).link.cellId, Id("CL_Misc_ChNo_1Base"));
        EXPECT_EQ(sheet->CellAt(1, row).link.index, channel);
        EXPECT_EQ(sheet->RowSourceAt(row).line, 4);
    }
    EXPECT_EQ(sheet->Counters()[0], 1) << "the loop line was parsed once";
    EXPECT_EQ(sheet->CellAt(3, 13).link.cellId, CellLink::kNoCell);
}

TEST_F(ShippedSheetsTest, ExportChannelListAddsTheSheetOffset) {
    environment.conditions.value.modelType = 4;
    const auto sheet = Build("[St_S_ColCut]GI_Sheet_MemoryCH_S,0,100");
    ASSERT_EQ(sheet->RowCount(), 107);
    ASSERT_EQ(sheet->ColumnCount(), 11);
    EXPECT_EQ(sheet->FixedRowCount(), 5);
    for (int row = 5; row < 105; ++row) {
        EXPECT_EQ(sheet->CellAt(6, row).link.cellId, Id("CL_Mch_FreqRT"));
        EXPECT_EQ(sheet->CellAt(6, row).link.index, 100 + row - 5);
        EXPECT_EQ(sheet->CellAt(1, row).link.index, 100 + row - 5);
    }
    EXPECT_EQ(sheet->CellAt(1, 3).text, "CH");
    EXPECT_EQ(sheet->CellAt(3, 3).text, "WX\nCH");
    EXPECT_EQ(sheet->CellAt(0, 0).link.index, 100) << "labels take the offset too";
    EXPECT_EQ(sheet->BasicCell().link.index, 100);
    EXPECT_EQ(sheet->CellAt(0, 5).link.category, 2);

    const auto plain = Build("[St_S_ColCut]GI_Sheet_MemoryCH_S,0");
    EXPECT_EQ(plain->CellAt(6, 5).link.index, 0);
    EXPECT_EQ(plain->CellAt(6, 104).link.index, 99);
}

TEST_F(ShippedSheetsTest, StartPageDrawsThinColouredBands) {
    const auto sheet = Build("GI_Sheet_TopPage");
    ASSERT_EQ(sheet->RowCount(), 11);
    ASSERT_EQ(sheet->ColumnCount(), 2);
    EXPECT_FALSE(sheet->CanPrint());
    EXPECT_EQ(sheet->CellAt(1, 1).text, "Orvane");
    EXPECT_EQ(sheet->CellAt(1, 2).text, "Revision 1.0") << "the open comment group is no text";
    const SheetCell& band = sheet->CellAt(1, 4);
    EXPECT_EQ(band.colour, 0x000000FFu);
    ASSERT_TRUE(band.font.has_value());
    EXPECT_EQ(band.font->height, 1);
    EXPECT_EQ(band.font->face, "Arial");
    EXPECT_EQ(sheet->RowHeight(4), 3);
    EXPECT_EQ(sheet->BasicCell().ResolvePopupMenu(), std::nullopt);
    EXPECT_EQ(sheet->CellAt(1, 6).text, "     Cloning Software for HT-Lk1     ");
}

TEST_F(ShippedSheetsTest, CloneInformationShowsModelAndComment) {
    const auto sheet = Build("GI_Sheet_CloneInfo");
    ASSERT_EQ(sheet->RowCount(), 6);
    ASSERT_EQ(sheet->ColumnCount(), 3);
    EXPECT_EQ(sheet->CellAt(2, 3).link, (CellLink{4, Id("CL_CloneInfo_Model"), 0}));
    EXPECT_EQ(sheet->CellAt(2, 5).link, (CellLink{4, Id("CL_CloneInfo_Comment"), 0}));
    EXPECT_FALSE(sheet->CellAt(2, 3).IsSelectable());
    EXPECT_FALSE(sheet->CellAt(2, 3).HasBottomRule());
    EXPECT_EQ(sheet->CellAt(2, 3).font->height, 16);
    EXPECT_EQ(sheet->FirstSelectableRow(), 6) << "nothing can be selected";
}

TEST_F(ShippedSheetsTest, CloneCommentSheetTakesItsTitleFromTheParameter) {
    const auto sheet = Build("[St_Common]GI_Sheet_Common,0");
    EXPECT_EQ(sheet->Title(), " Clone Comment");
    ASSERT_EQ(sheet->RowCount(), 2);
    EXPECT_EQ(sheet->CellAt(3, 1).link.cellId, Id("CL_Common_COMMENT"));
}

}  // namespace
}  // namespace orvane
