// The sheet classes: conditional rows of the setting sheets, model-dependent columns of
// the channel sheets, and the bank sheet with its channel count and messages.

#include <gtest/gtest.h>

#include "sheet/bank_channel_sheet.h"
#include "sheet/sheet_factory.h"
#include "sheet/sheet_messages.h"
#include "sheet_test_support.h"
#include "support/fatal_trap.h"

namespace orvane {
namespace {

using testing::SheetTestEnvironment;

class CountingListener final : public SheetListener {
public:
    void OnTitleChanged(const Sheet&) override { ++titleChanges; }
    void OnRowCountChanged(const Sheet&) override { ++rowCountChanges; }
    int titleChanges = 0;
    int rowCountChanges = 0;
};

class SheetVariantsTest : public ::testing::Test {
protected:
    std::unique_ptr<Sheet> Build(std::string_view callText, const SheetOptions& options = {}) {
        auto sheet = CreateSheet(environment.Get(), callText, options);
        sheet->Build();
        return sheet;
    }
    // The names of the linked cells in `column`, top to bottom.
    std::vector<std::string> LinkedNames(const Sheet& sheet, int column) {
        std::vector<std::string> linked;
        for (int row = 0; row < sheet.RowCount(); ++row) {
            if (column < sheet.ColumnCount() && !sheet.CellAt(column, row).IsLabel()) {
                linked.push_back(
                    environment.vocabulary.CellName(sheet.CellAt(column, row).link.cellId));
            }
        }
        return linked;
    }
    RadioConfiguration& Conditions() { return environment.conditions.value; }

    SheetTestEnvironment environment;
};

std::vector<std::string> Join(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST_F(SheetVariantsTest, HomeSheetShowsTheBranchOfTheConditions) {
    const std::vector<std::string> setModeItems = {"CL_Home_ANL",       "CL_Home_Beep_Level",
                                                   "CL_Home_Sql_Level", "CL_Home_Side_Level",
                                                   "CL_Home_Mic_Sens",  "CL_Home_Int_Mic"};
    struct Case {
        const char* what;
        RadioConfiguration conditions;
        std::vector<std::string> frequencyItems;
    };
    const auto conditions = [](int model, bool duplex, bool vfo, int lightKey) {
        RadioConfiguration c;
        c.modelType = model;
        c.duplexEnabled = duplex;
        c.vfoEnabled = vfo;
        c.lightKey = lightKey;
        return c;
    };
    const Case cases[] = {
        {"duplex, VFO",
         conditions(3, true, true, 0),
         {"CL_Home_Mode", "CL_Home_Bank", "CL_Home_Ch", "CL_Home_WX", "CL_Home_Freq",
          "CL_Home_FreqT", "CL_Home_Dup"}},
        {"duplex, no VFO",
         conditions(1, true, false, 0),
         {"CL_Home_Bank", "CL_Home_Ch", "CL_Home_WX", "CL_Home_Freq", "CL_Home_FreqT",
          "CL_Home_Dup"}},
        {"bank model, VFO",
         conditions(3, false, true, 0),
         {"CL_Home_Mode", "CL_Home_Bank", "CL_Home_Ch", "CL_Home_FreqRT"}},
        {"bank model, no VFO",
         conditions(0, true, false, 0),
         {"CL_Home_Bank", "CL_Home_Ch", "CL_Home_FreqRT"}},
        {"export model, VFO",
         conditions(5, true, true, 0),
         {"CL_Home_Mode", "CL_Home_Ch", "CL_Home_FreqRT"}},
        {"export model, no VFO", conditions(4, false, false, 0), {"CL_Home_Ch", "CL_Home_FreqRT"}},
    };
    for (const Case& c : cases) {
        for (int lightKey : {0, 2}) {
            Conditions() = c.conditions;
            Conditions().lightKey = lightKey;
            const auto sheet = Build("[St_Common]GI_Sheet_Home,1");
            std::vector<std::string> expected = Join(c.frequencyItems, setModeItems);
            if (lightKey == 2) {
                expected = Join(expected, {"CL_Home_VOX_Level", "CL_Home_VOX_Delay"});
            }
            expected.push_back("CL_Home_Tot");
            EXPECT_EQ(LinkedNames(*sheet, 3), expected) << c.what << ", light key " << lightKey;
            EXPECT_EQ(sheet->Title(), " Common Setting");
            EXPECT_EQ(sheet->CellAt(3, 5).link.category,
                      environment.vocabulary.CategoryFromName("CT_Home"));
        }
    }
}

// Each condition guards one row linked with its number; rows 90 and 91 follow a
// condition without a count and a bare "Non_Condition", which skip nothing.
std::vector<std::pair<std::string, std::string>> ConditionDefinitions() {
    const char* names[] = {
        "Only_Current",     "Only_TS",      "Only_WX",          "Only_Key_WX",
        "Only_VOR",         "Only_VOR_Lk1", "Only_DUP_VOR_Lk1", "Except_DUP_VOR_Lk1",
        "Only_Lk1",         "Only_S_Lk1",   "Only_En_Vfo",      "Only_Ds_Vfo",
        "Only_VOX_Disable", "Non_Condition"};
    std::string cells;
    for (int i = 0; i < 14; ++i) {
        cells += ":(" + std::string(names[i]) + " 1)\n|{(%CL_Null[" + std::to_string(i) + "])}x\n";
    }
    cells += ":(Only_TS)\n|{(%CL_Null[90])}y\n:(Non_Condition)\n|{(%CL_Null[91])}z\n";
    cells += ":(Non_Condition 50)";
    return {{"GI_AppInd_CommonTitle", "A\nB\nC"},
            {"T_Cond_Style", ""},
            {"T_Cond_BasicCell", ""},
            {"T_Cond_Cells", cells}};
}

TEST(CommonSheetConditionsTest, EachConditionGuardsItsLines) {
    testing::DefinitionResource resource(ConditionDefinitions());
    SheetTestEnvironment environment(resource.Resource());
    struct Case {
        const char* what;
        int model;
        bool duplex;
        bool spacing833;
        bool vfo;
        int lightKey;
        int sheetNumber;
        std::vector<int> shown;
    };
    const Case cases[] = {
        {"full Lk1", 3, true, true, true, 2, 1, {0, 1, 2, 3, 4, 5, 6, 8, 10, 12, 90, 91}},
        {"VOR export", 5, true, false, false, 0, 0, {4, 7, 9, 11, 90, 91}},
        {"WX export", 6, false, false, false, 0, 2, {0, 2, 7, 9, 11, 90, 91}},
        {"VOR Lk1 without duplex", 1, false, false, true, 3, 0, {4, 5, 7, 8, 10, 90, 91}},
    };
    for (const Case& c : cases) {
        RadioConfiguration& conditions = environment.conditions.value;
        conditions.modelType = c.model;
        conditions.duplexEnabled = c.duplex;
        conditions.spacing833Allowed = c.spacing833;
        conditions.vfoEnabled = c.vfo;
        conditions.lightKey = c.lightKey;
        auto sheet =
            CreateSheet(environment.Get(), "[St_Common]T_Cond," + std::to_string(c.sheetNumber));
        sheet->Build();
        std::vector<int> shown;
        for (int row = 0; row < sheet->RowCount(); ++row) {
            shown.push_back(sheet->CellAt(1, row).link.index);
        }
        EXPECT_EQ(shown, c.shown) << c.what;
    }
}

TEST_F(SheetVariantsTest, ExpertSheetDropsRowsTheModelLacks) {
    Conditions().modelType = 3;
    Conditions().spacing833Allowed = true;
    const auto full = Build("[St_Common]GI_Sheet_Expert,2");
    EXPECT_EQ(full->Title(), " EXPERT");
    EXPECT_EQ(LinkedNames(*full, 3).size(), 25u);

    // VOR but the export variant: only the rows that need the Lk1 family go.
    Conditions().modelType = 5;
    Conditions().spacing833Allowed = false;
    const std::vector<std::string> expected = {"CL_Common_VFO_Mode",
                                               "CL_Common_Scan_VFO",
                                               "CL_Common_VFO_Tx",
                                               "CL_Common_Memory_Write",
                                               "CL_Common_Indication_Mode",
                                               "CL_Common_Display_Mode",
                                               "CL_Common_BATT_Check",
                                               "CL_Common_Opening_Text",
                                               "CL_Common_Battery_Select",
                                               "CL_Common_Battery_Pack",
                                               "CL_Common_Set_Mode",
                                               "CL_Common_Home",
                                               "CL_Common_Scan",
                                               "CL_Common_EMR",
                                               "CL_Common_LIGHT_Key",
                                               "CL_Common_Adjust_Mode",
                                               "CL_Common_LIGHT_Lock",
                                               "CL_Common_PTT_Lock",
                                               "CL_Common_SQL_Lock",
                                               "CL_Common_VOL_Lock"};
    EXPECT_EQ(LinkedNames(*Build("[St_Common]GI_Sheet_Expert,2"), 3), expected);
}

TEST_F(SheetVariantsTest, CommonSheetTitleIgnoresTheStyleAndAnEmptyLine) {
    // Line 3 of the titles does not exist: the style's own title stays.
    EXPECT_EQ(Build("[St_Common]GI_Sheet_Expert,3")->Title(), " EXPERT");
    EXPECT_EQ(Build("[St_Common]GI_Sheet_Expert,0")->Title(), " Clone Comment");
    EXPECT_FATAL(CreateSheet(environment.Get(), "[St_Common]GI_Sheet_Home,one"),
                 "Illegal sheet parameter.\n'one'");
}

TEST_F(SheetVariantsTest, ChannelColumnsAreCutByModelAndDuplex) {
    // Columns: 3 WX CH, 4 RX, 5 TX, 6 RX/TX, 7 TX inhibit, 8 DUP, 9 name, 10 tag.
    struct Case {
        int model;
        bool duplex;
        std::vector<int> cut;
        int fixedColumns;
        int firstSelectableColumn;
    };
    const Case cases[] = {
        {0, false, {3, 4, 5, 8}, 6, 6}, {0, true, {3, 4, 5, 8}, 6, 6},
        {1, true, {3, 6}, 4, 4},        {1, false, {3, 4, 5, 8}, 6, 6},
        {2, false, {4, 5, 8}, 3, 3},    {3, true, {6}, 3, 3},
        {3, false, {4, 5, 8}, 3, 3},    {4, false, {3, 4, 5, 8}, 6, 6},
        {5, true, {3, 4, 5, 8}, 6, 6},  {6, false, {4, 5, 8}, 3, 3},
        {7, true, {4, 5, 8}, 3, 3},
    };
    for (const Case& c : cases) {
        for (bool nameDisplay : {true, false}) {
            SCOPED_TRACE("model " + std::to_string(c.model) + (c.duplex ? " duplex" : "") +
                         (nameDisplay ? " names" : ""));
            Conditions() = RadioConfiguration{};
            Conditions().modelType = c.model;
            Conditions().duplexEnabled = c.duplex;
            Conditions().nameDisplay = nameDisplay;
            const auto sheet = Build("[St_S_ColCut]GI_Sheet_MemoryCH_S,0");
            std::vector<int> cut = c.cut;
            if (!nameDisplay) {
                cut.push_back(9);
            }
            for (int column = 3; column < sheet->ColumnCount(); ++column) {
                const bool isCut = std::find(cut.begin(), cut.end(), column) != cut.end();
                EXPECT_EQ(sheet->ColumnWidth(column) == 0, isCut) << column;
                EXPECT_EQ(sheet->CellAt(column, 5).IsSelectable(), !isCut) << column;
                EXPECT_EQ(sheet->CellAt(column, 104).IsSelectable(), !isCut) << column;
            }
            EXPECT_EQ(sheet->FixedColumnCount(), c.fixedColumns);
            EXPECT_EQ(sheet->RememberedPosition().leftColumn, c.fixedColumns);
            EXPECT_EQ(sheet->FirstSelectableColumn(), c.firstSelectableColumn);
        }
    }
}

TEST_F(SheetVariantsTest, ChannelListIsPrintableWhenItsBankHasChannels) {
    EXPECT_FALSE(Build("[St_S_ColCut]GI_Sheet_MemoryCH_S,0")->CanPrint());
    environment.banks.capacities[0] = 100;
    EXPECT_TRUE(Build("[St_S_ColCut]GI_Sheet_MemoryCH_S,0")->CanPrint());
}

class BankSheetTest : public SheetVariantsTest {
protected:
    BankSheetTest() {
        environment.banks.capacities = {10, 5, 3, 0, 0, 0, 0, 0, 0, 0};
        environment.banks.names[2] = "Ops";
        Conditions().modelType = 3;
    }
    std::unique_ptr<BankChannelSheet> BuildBank(std::string_view callText,
                                                const SheetOptions& options = {}) {
        std::unique_ptr<Sheet> sheet = CreateSheet(environment.Get(), callText, options);
        if (dynamic_cast<BankChannelSheet*>(sheet.get()) == nullptr) {
            ADD_FAILURE() << callText << " is not a bank sheet";
            return nullptr;
        }
        std::unique_ptr<BankChannelSheet> owned(static_cast<BankChannelSheet*>(sheet.release()));
        owned->SetListener(&listener);
        owned->Build();
        return owned;
    }
    bool LineSelectable(const Sheet& sheet, int row) {
        return (sheet.SlotAt(1, row).flags & CellSlot::kLineSelectable) != 0 &&
               sheet.RowSourceAt(row).lineSelectable;
    }

    CountingListener listener;
};

TEST_F(BankSheetTest, OneRowPerChannelAndTheExtraRow) {
    const auto sheet = BuildBank("[St_ColCut]GI_Sheet_MemoryCH,Bank 2");
    EXPECT_EQ(sheet->Bank(), 2);
    EXPECT_EQ(sheet->FirstChannel(), 15);
    ASSERT_EQ(sheet->RowCount(), 5 + 3 + 1);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(sheet->CellAt(4, 5 + k).link.index, 15 + k);
        EXPECT_EQ(sheet->CellAt(4, 5 + k).link.cellId,
                  environment.vocabulary.CellIdFromName("CL_Mch_Freq"));
    }
    for (int row = 5; row < 8; ++row) {
        EXPECT_TRUE(LineSelectable(*sheet, row)) << row;
    }
    EXPECT_FALSE(LineSelectable(*sheet, 8)) << "the extra row";
    EXPECT_EQ(sheet->Title(), "Ops (Remain 182 CH)");
    EXPECT_EQ(sheet->GetPrintTitle(), "Ops (Remain 182 CH)");
    EXPECT_TRUE(sheet->CanPrint());
}

TEST_F(BankSheetTest, TitleKeepsTheRemainderTwoWide) {
    environment.banks.capacities[9] = 177;
    EXPECT_EQ(BuildBank("[St_ColCut]GI_Sheet_MemoryCH,Bank 2")->Title(), "Ops (Remain  5 CH)");
}

TEST_F(BankSheetTest, EmptyBankShowsOnlyTheExtraRow) {
    for (const char* call :
         {"[St_ColCut]GI_Sheet_MemoryCH,Bank 3", "[St_ColCut]GI_Sheet_MemoryCH,Bank 30",
          "[St_ColCut]GI_Sheet_MemoryCH,Band 1"}) {
        const auto sheet = BuildBank(call);
        EXPECT_EQ(sheet->ChannelCount(), 0) << call;
        EXPECT_EQ(sheet->RowCount(), 6) << call;
        EXPECT_FALSE(LineSelectable(*sheet, 5)) << call;
        EXPECT_FALSE(sheet->CanPrint()) << call;
    }
    const auto sheet = BuildBank("[St_ColCut]GI_Sheet_MemoryCH,Bank 3");
    environment.bus.Post(message::kBankSheetAppendRow, 0, 0, true);
    ASSERT_EQ(sheet->RowCount(), 7);
    EXPECT_TRUE(LineSelectable(*sheet, 5)) << "the first channel of the bank";
    EXPECT_FALSE(LineSelectable(*sheet, 6));
}

TEST_F(BankSheetTest, OversizedBankFromAFileStillBuilds) {
    // A damaged file can claim 255 channels for one bank: more rows than are prepared.
    environment.banks.capacities[4] = 255;
    const auto sheet = BuildBank("[St_ColCut]GI_Sheet_MemoryCH,Bank 4");
    ASSERT_EQ(sheet->RowCount(), 5 + 255 + 1);
    EXPECT_EQ(sheet->CellAt(4, 260).link.index, 18 + 255);
    EXPECT_EQ(sheet->Title(), " (Remain -73 CH)");
    environment.bus.Post(message::kBankSheetAppendRow, 0, 0, true);
    EXPECT_EQ(sheet->RowCount(), 261);
}

TEST_F(BankSheetTest, PrintingHasNoExtraRow) {
    SheetOptions printing;
    printing.printing = true;
    const auto sheet = BuildBank("[St_ColCut]GI_Sheet_MemoryCH,Bank 0", printing);
    ASSERT_EQ(sheet->RowCount(), 5 + 10);
    EXPECT_TRUE(LineSelectable(*sheet, 14));
}

TEST_F(BankSheetTest, SpareRowsContinueTheLastRow) {
    const auto sheet = BuildBank("[St_ColCut]GI_Sheet_MemoryCH,Bank 1");
    ASSERT_EQ(sheet->RowCount(), 11);
    for (int i = 0; i < BankChannelSheet::kPreparedRows - 11; ++i) {
        environment.bus.Post(message::kBankSheetAppendRow, 0, 0, true);
    }
    ASSERT_EQ(sheet->RowCount(), BankChannelSheet::kPreparedRows);
    EXPECT_EQ(sheet->CellAt(4, 209).link.index, 10 + 204);
    EXPECT_EQ(sheet->CellAt(4, 209).link.cellId,
              environment.vocabulary.CellIdFromName("CL_Mch_Freq"));
    EXPECT_EQ(sheet->RowHeight(209), sheet->RowHeight(10));
    environment.bus.Post(message::kBankSheetAppendRow, 0, 0, true);
    EXPECT_EQ(sheet->RowCount(), BankChannelSheet::kPreparedRows) << "no row past the last";
}

TEST_F(BankSheetTest, MessagesAddAndRemoveRows) {
    const auto sheet = BuildBank("[St_ColCut]GI_Sheet_MemoryCH,Bank 2");
    EXPECT_EQ(listener.titleChanges, 2) << "the style's title, then message 41";
    environment.bus.Post(message::kBankSheetAppendRow, 0, 0, true);
    environment.bus.Post(message::kBankSheetAppendRow, 0, 0, true);
    environment.bus.Post(message::kBankSheetRemoveRow, 0, 0, true);
    ASSERT_EQ(sheet->RowCount(), 10);
    for (int row = 5; row < 9; ++row) {
        EXPECT_TRUE(LineSelectable(*sheet, row)) << row;
    }
    EXPECT_FALSE(LineSelectable(*sheet, 9));
    EXPECT_EQ(listener.rowCountChanges, 3);

    for (int i = 0; i < 10; ++i) {
        environment.bus.Post(message::kBankSheetRemoveRow, 0, 0, true);
    }
    EXPECT_EQ(sheet->RowCount(), 6) << "the extra row stays";

    const auto reply = environment.bus.Query(message::kCurrentBankQuery, 0, 0);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->int1, 2);
    EXPECT_EQ(reply->int2, 15);

    environment.banks.names[2] = "Air";
    environment.bus.Post(message::kBankSheetTitle, 0, 0, true);
    EXPECT_EQ(sheet->Title(), "Air (Remain 182 CH)");
}

TEST_F(BankSheetTest, DestroyedSheetsStopAnswering) {
    BuildBank("[St_ColCut]GI_Sheet_MemoryCH,Bank 2").reset();
    EXPECT_FALSE(environment.bus.Query(message::kCurrentBankQuery, 0, 0).has_value());
}

}  // namespace
}  // namespace orvane
