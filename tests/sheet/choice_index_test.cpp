// The values and texts of the choice lists, and stepping through them.

#include <gtest/gtest.h>

#include "sheet/choice_index.h"
#include "sheet_test_support.h"

namespace orvane {
namespace {

using testing::DefinitionResource;
using testing::SheetTestEnvironment;

class ChoiceIndexTest : public ::testing::Test {
protected:
    SheetTestEnvironment environment;
    ChoiceIndex index{environment.store, environment.vocabulary};
    const std::int32_t flex0 = environment.vocabulary.CellIdFromName("Flex0");
    const std::int32_t flexMarking = environment.vocabulary.CellIdFromName("CL_FlexMarking");
};

TEST_F(ChoiceIndexTest, TextsComeFromLinkTextOrDisplayText) {
    struct Case {
        const char* sheet;
        std::int32_t cellId;
        std::int32_t value;
        std::string text;
    };
    const Case cases[] = {
        {"GI_Sheet_Sel_Mch_Dup", flexMarking, 0, ""},
        {"GI_Sheet_Sel_Mch_Dup", flexMarking, 1, "DUP"},
        {"GI_Sheet_Sel_Mch_Dup", flexMarking, 2, "error"},
        {"GI_Sheet_Sel_Mch_Dup", flex0, 0, "error"},
        {"GI_Sheet_Sel_Common_Tot_Off", flex0, 0, "OFF"},
        {"GI_Sheet_Sel_Common_Tot_Off", flex0, 2, "20"},
        {"GI_Sheet_Sel_Common_Tot_Off", flex0, 18, "180"},
        {"GI_Sheet_Sel_Common_Tot_Off", flex0, 1, "error"},
        {"GI_Sheet_Sel_Mch_WxCH", flex0, 255, ""},
        {"GI_Sheet_Sel_Mch_WxCH", flex0, 0, "1"},
        {"GI_Sheet_Sel_Mch_WxCH", flex0, 9, "10"},
        {"GI_Sheet_Sel_Mch_Tag", flex0, 1, "TAG"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(index.GetChoiceText(c.sheet, c.cellId, c.value), c.text)
            << c.sheet << " " << c.value;
    }
}

TEST_F(ChoiceIndexTest, CyclingJumpsToTheEndsInsteadOfWrapping) {
    EXPECT_EQ(index.Cycle("GI_Sheet_Sel_Common_Tot_Off", flex0, 0, 1), std::nullopt)
        << "a list is only stepped through once it has been read";
    index.GetChoiceText("GI_Sheet_Sel_Common_Tot_Off", flex0, 0);
    index.GetChoiceText("GI_Sheet_Sel_Mch_WxCH", flex0, 0);
    index.GetChoiceText("GI_Sheet_Sel_Misc_DispMode", flex0, 0);
    index.GetChoiceText("GI_Sheet_Sel_Mch_Dup", flex0, 0);
    struct Case {
        const char* sheet;
        std::int32_t value;
        int step;
        std::optional<std::int32_t> next;
    };
    const Case cases[] = {
        {"GI_Sheet_Sel_Common_Tot_Off", 0, 1, 2},
        {"GI_Sheet_Sel_Common_Tot_Off", 18, 1, 0},
        {"GI_Sheet_Sel_Common_Tot_Off", 0, -1, 18},
        {"GI_Sheet_Sel_Common_Tot_Off", 0, 5, 6},
        {"GI_Sheet_Sel_Common_Tot_Off", 17, 3, 0},
        {"GI_Sheet_Sel_Common_Tot_Off", 1, 1, 0},  // absent: one past the end
        {"GI_Sheet_Sel_Common_Tot_Off", 1, -1, 18},
        {"GI_Sheet_Sel_Mch_WxCH", 255, 1, 0},  // the list's order, not the values'
        {"GI_Sheet_Sel_Mch_WxCH", 9, 1, 255},
        {"GI_Sheet_Sel_Misc_DispMode", 1, 1, 0},
        {"GI_Sheet_Sel_Misc_DispMode", 0, 1, 1},
        {"GI_Sheet_Sel_Mch_Dup", 0, 1, std::nullopt},  // read, but offers nothing
    };
    for (const Case& c : cases) {
        EXPECT_EQ(index.Cycle(c.sheet, flex0, c.value, c.step), c.next)
            << c.sheet << " " << c.value << " " << c.step;
    }
}

TEST(ChoiceIndexColumnsTest, ListsRunDownEachColumn) {
    DefinitionResource resource{{
        {"T_Grid_Cells",
         "{S(%Flex0[1])}a|{S(%Flex0[4])}d\n"
         "{S(%Flex0[2])}b|{S(%Flex0[5])}e\n"
         "{(@ch0=3)S(%Flex0[@ch0])}c"},
    }};
    SheetTestEnvironment environment(resource.Resource());
    ChoiceIndex index(environment.store, environment.vocabulary);
    const std::int32_t flex0 = environment.vocabulary.CellIdFromName("Flex0");
    EXPECT_EQ(index.GetChoiceText("T_Grid", flex0, 3), "c");
    for (std::int32_t value = 1; value <= 4; ++value) {
        EXPECT_EQ(index.Cycle("T_Grid", flex0, value, 1), value + 1);
    }
    EXPECT_EQ(index.Cycle("T_Grid", flex0, 5, 1), 1);
}

}  // namespace
}  // namespace orvane
