// Toolbars from bodies: buttons in body order, separators, row breaks and states.

#include <gtest/gtest.h>

#include "fake_evaluator.h"
#include "sheet/tool_bar_builder.h"
#include "sheet_test_support.h"

namespace orvane {
namespace {

using testing::DefinitionResource;
using testing::FakeEvaluator;
using testing::SheetTestEnvironment;

using Kind = ToolButton::Kind;

TEST(ToolBarBuilderTest, MainToolBarButtonsFollowTheBody) {
    SheetTestEnvironment environment;
    FakeEvaluator evaluator;
    ToolBarBuilder toolBar({environment.store, environment.vocabulary, environment.bus, evaluator},
                           "GI_ToolBar_Main");
    toolBar.Build();
    const auto& buttons = toolBar.Buttons();
    ASSERT_EQ(buttons.size(), 17u);
    const std::pair<std::string, int> expected[] = {
        {"New", 0},        {"Open", 1},        {"Save", 2},        {"", -1},
        {"Clone Read", 7}, {"Clone Write", 8}, {"Clone Info.", 9},
    };
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(buttons[i].hint, expected[i].first) << i;
        EXPECT_EQ(buttons[i].imageIndex, expected[i].second) << i;
    }
    EXPECT_EQ(buttons[3].kind, Kind::Separator);
    EXPECT_EQ(buttons[3].width, ToolBarBuilder::kSeparatorWidth);
    for (std::size_t i = 7; i < 17; ++i) {
        EXPECT_EQ(buttons[i].kind, Kind::Separator) << i;
    }
    EXPECT_TRUE(toolBar.WrapsByItself());

    toolBar.Click(0);
    toolBar.Click(3);
    ASSERT_EQ(evaluator.calls.size(), 1u);
    EXPECT_EQ(evaluator.calls[0].link.cellId,
              environment.vocabulary.CellIdFromName("CL_Menu_File_New"));
    EXPECT_EQ(evaluator.calls[0].keyCode, 13);
    EXPECT_EQ(evaluator.calls[0].mode, CellEvaluator::kOperate);
}

TEST(ToolBarBuilderTest, RowBreaksAndStates) {
    DefinitionResource resource{{
        {"T_Bar_BasicCell", ""},
        {"T_Bar_Body",
         "A\t{(ImageIndex=1)(%CL_Menu_View_ToolBar)}\n/\nB\t{(ImageIndex=2)(%CL_Menu_File_Save)}\n"
         "-\n-\nLabel"},
    }};
    SheetTestEnvironment environment(resource.Resource());
    FakeEvaluator evaluator;
    ToolBarBuilder toolBar({environment.store, environment.vocabulary, environment.bus, evaluator},
                           "T_Bar");
    std::vector<std::string> clicked;
    toolBar.Build([&clicked](ToolButton& button) { clicked.push_back(button.hint); });
    const auto& buttons = toolBar.Buttons();
    ASSERT_EQ(buttons.size(), 6u);
    EXPECT_EQ(buttons[1].kind, Kind::RowBreak);
    EXPECT_EQ(buttons[1].width, ToolBarBuilder::kRowBreakWidth);
    EXPECT_EQ(buttons[3].kind, Kind::Separator);
    EXPECT_EQ(buttons[4].kind, Kind::Separator);
    EXPECT_FALSE(toolBar.WrapsByItself());

    evaluator.answers[environment.vocabulary.CellIdFromName("CL_Menu_View_ToolBar")] = {
        SheetCell::kItemChecked, ""};
    evaluator.answers[environment.vocabulary.CellIdFromName("CL_Menu_File_Save")] = {
        SheetCell::kItemDisabled, ""};
    toolBar.RefreshStates();
    EXPECT_TRUE(buttons[0].checkStyle);
    EXPECT_TRUE(buttons[0].pressed);
    EXPECT_TRUE(buttons[0].enabled);
    EXPECT_FALSE(buttons[2].pressed);
    EXPECT_FALSE(buttons[2].enabled);
    EXPECT_EQ(evaluator.calls.size(), 2u) << "only buttons with a command are asked";

    evaluator.answers.clear();
    toolBar.RefreshStates();
    EXPECT_FALSE(buttons[0].pressed) << "stale state bits are cleared before asking";
    EXPECT_TRUE(buttons[2].enabled);

    toolBar.Click(2);
    toolBar.Click(5);
    EXPECT_EQ(clicked, (std::vector<std::string>{"B", "Label"}));
}

}  // namespace
}  // namespace orvane
