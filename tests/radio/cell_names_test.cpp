#include "radio/cell_names.h"

#include <gtest/gtest.h>

#include "support/fatal_trap.h"

namespace orvane {
namespace {

TEST(CellNamesTest, EmptyNamesMeanNone) {
    CellNames names;
    EXPECT_EQ(names.CategoryFromName(""), category::kNone);
    EXPECT_EQ(names.CellIdFromName(""), kNoCell);
}

TEST(CellNamesTest, KnownCodesFromTheFixedOrder) {
    CellNames names;
    EXPECT_EQ(names.CategoryFromName("CT_Null"), 0);
    EXPECT_EQ(names.CategoryFromName("CT_PopupMenu"), category::kPopupMenu);
    EXPECT_EQ(names.CategoryFromName("CT_Home"), category::kHome);
    EXPECT_EQ(names.CellIdFromName("CL_Null"), 0);
    EXPECT_EQ(names.CellIdFromName("Flex0"), cell::kFlex0);
    EXPECT_EQ(names.CellIdFromName("CL_PMenu_Edit"), 81);
    EXPECT_EQ(names.CellIdFromName("CL_PMenu_Insert"), 89);
    EXPECT_EQ(names.CellIdFromName("CL_Debug_ZCS_LOAD"), 79);
    EXPECT_EQ(names.CellIdFromName("CallSheet"), cell::kCallSheet);
    EXPECT_EQ(names.CellIdFromName("CL_EeDebugWin_F"), 49);
    EXPECT_EQ(names.CellIdFromName("CL_Check_MemoryCH9"), 62);
    EXPECT_EQ(names.CellIdFromName("CL_Mch_Freq"), cell::kMchFreq);
    EXPECT_EQ(names.CellIdFromName("CL_Home_Tot"), cell::kHomeTot);
    EXPECT_EQ(names.CellIdFromName("CL_Common_Alert"), 170);
}

TEST(CellNamesTest, EveryCodeRoundTripsThroughItsName) {
    CellNames names;
    for (CellId code = 0; code < kCellCount; ++code) {
        std::string name = CellNames::CellIdName(code);
        ASSERT_FALSE(name.empty()) << code;
        EXPECT_EQ(names.CellIdFromName(name), code) << name;
    }
    EXPECT_EQ(CellNames::CellIdName(170), "CL_Common_Alert");
    EXPECT_EQ(CellNames::CellIdName(kNoCell), "");
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
