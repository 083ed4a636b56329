#include "radio/cell_names.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/fatal_trap.h"

namespace orvane {
namespace {

TEST(CellNamesTest, EmptyNamesMeanNone) {
    CellNames names;
    EXPECT_EQ(names.CategoryFromName(""), category::kNone);
    EXPECT_EQ(names.CellIdFromName(""), CellLink::kNoCell);
}

TEST(CellNamesTest, KnownCodesFromTheFixedOrder) {
    CellNames names;
    EXPECT_EQ(names.CategoryFromName("CT_Null"), 0);
    EXPECT_EQ(names.CategoryFromName("CT_PopupMenu"), category::kPopupMenu);
    EXPECT_EQ(names.CategoryFromName("CT_Conv"), 2);
    EXPECT_EQ(names.CategoryFromName("CT_BankOp"), 3);
    EXPECT_EQ(names.CategoryFromName("CT_Home"), category::kHome);
    EXPECT_EQ(category::kNone, 5);

    // The first and last name of every group, so that a name added, dropped or moved
    // anywhere shifts a code that is pinned here.
    const std::pair<const char*, CellId> codes[] = {
        {"CL_Null", 0},
        {"Flex0", 1},
        {"CL_FlexMarking", 4},
        {"CL_Menu_File_New", 5},
        {"CL_Menu_File_Exit", 12},
        {"CL_Menu_Edit_Top", 13},
        {"CL_Menu_View_ToolBar", 15},
        {"CL_Menu_Port_Com", 16},
        {"CL_Menu_Com_Speed", 18},
        {"CL_Menu_Clone_Read", 19},
        {"CL_Menu_Clone_Adj", 22},
        {"CL_Model", 23},
        {"CL_Help_Contents", 25},
        {"CL_Menu_Debug_Compare", 26},
        {"CL_Menu_Debug_CorrectCloneWrite", 32},
        {"CL_EeDebugWin_Adr", 33},
        {"CL_EeDebugWin_0", 34},
        {"CL_EeDebugWin_9", 43},
        {"CL_EeDebugWin_A", 44},
        {"CL_EeDebugWin_F", 49},
        {"CallSheet", 50},
        {"CL_Check_BankOp", 51},
        {"CL_Check_MemoryCH", 52},
        {"CL_Check_MemoryCH0", 53},
        {"CL_Check_MemoryCH9", 62},
        {"CL_Check_Common", 64},
        {"CL_CloneInfo_Model", 65},
        {"CL_CloneInfo_VorInh", 68},
        {"CL_Debug_Info_Expert", 69},
        {"CL_Debug_ZCS_LOAD", 79},
        {"CL_PMenu_NoItem", 80},
        {"CL_PMenu_Edit", 81},
        {"CL_PMenu_Insert", 89},
        {"CL_FBits", 90},
        {"CL_Misc_ChNo_0Base", 91},
        {"CL_Misc_QuarterPillar_TX", 100},
        {"CL_Mch_Bank", 101},
        {"CL_Bank_Name", 103},
        {"CL_Mch_No", 104},
        {"CL_Mch_Freq", 106},
        {"CL_Mch_Tag", 113},
        {"CL_WxCh_Tag", 114},
        {"CL_Home_Mode", 115},
        {"CL_Home_Tot", 135},
        {"CL_Common_Beep_Level", 136},
        {"CL_Common_Alert", 170},
    };
    for (const auto& [name, code] : codes) {
        EXPECT_EQ(names.CellIdFromName(name), code) << name;
    }
    // The constants the code compares against are those of the table.
    EXPECT_EQ(cell::kFlex0, 1);
    EXPECT_EQ(cell::kCallSheet, 50);
    EXPECT_EQ(cell::kMchFreq, 106);
    EXPECT_EQ(cell::kHomeTot, 135);
    EXPECT_EQ(cell::kCommonAlert, 170);
}

TEST(CellNamesTest, EveryCodeRoundTripsThroughItsName) {
    CellNames names;
    for (CellId code = 0; code < kCellCount; ++code) {
        std::string name = CellNames::CellIdName(code);
        ASSERT_FALSE(name.empty()) << code;
        EXPECT_EQ(names.CellIdFromName(name), code) << name;
    }
    EXPECT_EQ(CellNames::CellIdName(170), "CL_Common_Alert");
    EXPECT_EQ(CellNames::CellIdName(CellLink::kNoCell), "");
    EXPECT_EQ(CellNames::CellIdName(-1), "");
}

TEST(CellNamesTest, UnknownNamesAreFatal) {
    CellNames names;
    EXPECT_FATAL(names.CategoryFromName("CT_Nope"),
                 "Cannot use the specified category.\n'CT_Nope'");
    EXPECT_FATAL(names.CellIdFromName("CL_Nope"), "Cannot use the specified cell.\n'CL_Nope'");
    EXPECT_FATAL(names.CellIdFromName("cl_null"), "Cannot use the specified cell.\n'cl_null'");
}

TEST(CellNamesTest, SharedTableLetsACategoryLookupSeeCellNames) {
    CellNames names;
    names.CellIdFromName("CL_Null");  // registers the cell names
    EXPECT_EQ(names.CategoryFromName("CL_PMenu_Edit"), 81);
}

TEST(CellNamesTest, ListKinds) {
    EXPECT_EQ(CellNames::ListKindOfCategory(2), ListKind::Channels);
    EXPECT_EQ(CellNames::ListKindOfCategory(3), ListKind::Banks);
    for (CellCategory c : {0, 1, 4, 5}) {
        EXPECT_EQ(CellNames::ListKindOfCategory(c), ListKind::None) << c;
    }
    EXPECT_FATAL(CellNames::ListKindOfCategory(6), "Unknown Cell Category.");
}

}  // namespace
}  // namespace orvane
