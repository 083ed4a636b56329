// The tree of sheets: the shipped body, the bank branch, marks and the messages that
// select and rename nodes.

#include <gtest/gtest.h>

#include "sheet/sheet_messages.h"
#include "sheet/sheet_tree.h"
#include "sheet_test_support.h"
#include "support/fatal_trap.h"

namespace orvane {
namespace {

using testing::DefinitionResource;
using testing::SheetTestEnvironment;

constexpr std::intptr_t kPanel = 77;

class CountingTreeListener final : public SheetTreeListener {
public:
    void OnNodesChanged() override { ++changes; }
    void OnSelectionChanged() override { ++selections; }
    void OnTreeClosed() override { ++closes; }
    int changes = 0;
    int selections = 0;
    int closes = 0;
};

class SheetTreeTest : public ::testing::Test {
protected:
    SheetTreeTest() {
        tree.SetListener(&listener);
        tree.Build();
    }
    TreeNode& Node(std::string_view callText) {
        TreeNode* node = tree.FindNodeByLinkText(callText);
        EXPECT_NE(node, nullptr) << callText;
        return *node;
    }
    // Adds the bank branch under the first Memory CH node, as the main controller does.
    void AddBankBranch(std::initializer_list<int> banks) {
        TreeNode& memory = Node("GI_Sheet_TreeTop");
        tree.AddNode(&memory, environment.store.GetText("GI_Tree_Branch_Mch_BankOperation", 0));
        const std::string format = environment.store.GetText("GI_Tree_Branch_Mch_Bank", 0);
        for (int bank : banks) {
            tree.AddNode(&memory, FormatBankBranchLine(format, bank));
        }
    }
    std::string BankCall(int bank) {
        return "[St_ColCut]GI_Sheet_MemoryCH,Bank " + std::to_string(bank);
    }

    SheetTestEnvironment environment;
    SheetTree tree{environment.Get(), "GI_Tree_Main", kPanel, true};
    CountingTreeListener listener;
};

TEST_F(SheetTreeTest, MainTreeHoldsTheModelAndItsSheets) {
    ASSERT_EQ(tree.TopNodes().size(), 1u);
    const TreeNode& top = *tree.TopNodes()[0];
    EXPECT_EQ(top.text, "HT-Lk1");
    EXPECT_TRUE(top.expanded);
    EXPECT_EQ(top.imageIndex, 0);
    EXPECT_EQ(top.cell.LinkText(), "GI_Sheet_TopPage");
    struct Expected {
        std::string text;
        std::string call;
        int flag;  // the user flag that marks it, -1 for none
    };
    const Expected children[] = {
        {"Memory CH", "GI_Sheet_TreeTop", 3},
        {"Memory CH", "[St_S_ColCut]GI_Sheet_MemoryCH_S,0", 2},
        {"WX CH", "GI_Sheet_WxCH", 1},
        {"Common Setting", "[St_Common]GI_Sheet_Home,1", -1},
        {"Clone Comment", "[St_Common]GI_Sheet_Common,0", -1},
        {"EXPERT", "[St_Common]GI_Sheet_Expert,2", 0},
    };
    ASSERT_EQ(top.children.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        const TreeNode& node = *top.children[i];
        EXPECT_EQ(node.text, children[i].text);
        EXPECT_EQ(node.cell.LinkText(), children[i].call);
        EXPECT_EQ(node.cell.link.cellId, environment.vocabulary.CellIdFromName("CallSheet"));
        EXPECT_EQ(node.imageIndex, i == 0 ? 1 : 2);
        EXPECT_EQ(node.selectedImageIndex, node.imageIndex);
        EXPECT_FALSE(node.expanded);
        for (int flag = 0; flag < 4; ++flag) {
            EXPECT_EQ(node.cell.UserFlag(flag), flag == children[i].flag) << node.text << flag;
        }
    }
    ASSERT_TRUE(tree.BasicCell().font.has_value());
    EXPECT_EQ(tree.BasicCell().font->height, -12);
}

TEST_F(SheetTreeTest, FindingNodesNeedsTheExactCallText) {
    EXPECT_EQ(Node("[St_Common]GI_Sheet_Home,1").text, "Common Setting");
    EXPECT_EQ(tree.FindNodeByLinkText("GI_Sheet_Home"), nullptr);
    EXPECT_EQ(tree.FindNodeByLinkText("[St_Common]GI_Sheet_Home,1 "), nullptr);
}

TEST_F(SheetTreeTest, BankNodesTakeTheirNamesAndImagesFromMessages) {
    AddBankBranch({0, 3, 30});
    EXPECT_EQ(Node("GI_Sheet_BankOp").text, "Bank Operation");
    EXPECT_EQ(Node(BankCall(3)).text, "") << "empty until its name arrives";
    EXPECT_EQ(Node(BankCall(3)).cell.link.cellId,
              environment.vocabulary.CellIdFromName("CallSheet"));

    environment.bus.PostText(message::kBankNodeCaptionUpdate, 0, 3, "Tower", true);
    EXPECT_EQ(Node(BankCall(3)).text, "Tower");
    EXPECT_EQ(Node(BankCall(30)).text, "") << "Bank 30 is bank 30, not 3";
    environment.bus.PostText(message::kBankNodeCaption, 0, 30, "Far", true);
    EXPECT_EQ(Node(BankCall(30)).text, "Far");
    EXPECT_EQ(Node(BankCall(3)).text, "Tower");

    environment.banks.capacities[3] = 12;
    environment.bus.Post(message::kBankNodeImages, 0, 0, true);
    EXPECT_EQ(Node(BankCall(3)).imageIndex, SheetTree::kBankImage);
    EXPECT_EQ(Node(BankCall(3)).selectedImageIndex, SheetTree::kBankImage);
    EXPECT_EQ(Node(BankCall(0)).imageIndex, SheetTree::kEmptyBankImage);
    EXPECT_EQ(Node(BankCall(30)).imageIndex, SheetTree::kEmptyBankImage);
    EXPECT_EQ(Node("GI_Sheet_BankOp").imageIndex, 2) << "not a bank sheet";
}

TEST_F(SheetTreeTest, OnlyTheMainTreeFollowsBankMessages) {
    SheetTree other(environment.Get(), "GI_Tree_Main", kPanel + 1, false);
    other.Build();
    TreeNode* memory = other.FindNodeByLinkText("GI_Sheet_TreeTop");
    other.AddNode(memory,
                  FormatBankBranchLine(environment.store.GetText("GI_Tree_Branch_Mch_Bank", 0), 1));
    environment.bus.PostText(message::kBankNodeCaption, 0, 1, "Ramp", true);
    EXPECT_EQ(other.FindNodeByLinkText(BankCall(1))->text, "");
}

TEST_F(SheetTreeTest, SelectionFollowsMessagesAndClearedBranches) {
    AddBankBranch({0, 1});
    environment.bus.PostText(message::kBankNodeCaption, 0, 1, "Ground", true);
    EXPECT_FALSE(environment.bus.Query(message::kTreeSelectedText, 0, 0).has_value());

    environment.bus.PostText(message::kTreeSelect, 0, 0, BankCall(1), true);
    ASSERT_NE(tree.SelectedCell(), nullptr);
    EXPECT_EQ(tree.SelectedCell()->LinkText(), BankCall(1));
    const auto reply = environment.bus.Query(message::kTreeSelectedText, 0, 0);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->payload, (std::vector<std::uint8_t>{'G', 'r', 'o', 'u', 'n', 'd', 0}));

    environment.bus.PostText(message::kTreeSelect, 0, 0, "GI_Sheet_Nowhere", true);
    EXPECT_EQ(tree.SelectedCell()->LinkText(), BankCall(1)) << "an unknown call changes nothing";

    tree.ClearChildren(Node("GI_Sheet_TreeTop"));
    EXPECT_EQ(tree.SelectedNode(), nullptr);
    EXPECT_EQ(tree.FindNodeByLinkText(BankCall(0)), nullptr);
    EXPECT_NE(tree.FindNodeByLinkText("GI_Sheet_TreeTop"), nullptr);
}

TEST_F(SheetTreeTest, FlaggedNodesCanBeDropped) {
    AddBankBranch({0});
    tree.Select(&Node(BankCall(0)));
    EXPECT_EQ(tree.DeleteNodesWithFlag(3), 1);
    EXPECT_EQ(tree.FindNodeByLinkText("GI_Sheet_TreeTop"), nullptr);
    EXPECT_EQ(tree.FindNodeByLinkText(BankCall(0)), nullptr) << "the subtree goes with it";
    EXPECT_EQ(tree.SelectedNode(), nullptr);
    EXPECT_EQ(tree.DeleteNodesWithFlag(0), 1);
    EXPECT_EQ(tree.DeleteNodesWithFlag(0), 0);
    std::vector<std::string> left;
    for (const auto& node : tree.TopNodes()[0]->children) {
        left.push_back(node->text);
    }
    EXPECT_EQ(left,
              (std::vector<std::string>{"Memory CH", "WX CH", "Common Setting", "Clone Comment"}));
}

TEST_F(SheetTreeTest, MarksReachCollapsedAncestorsAndErrorsWin) {
    AddBankBranch({0, 3});
    TreeNode& top = *tree.TopNodes()[0];
    const std::vector<std::string> warnings = {BankCall(3), "[St_Common]GI_Sheet_Home,1"};
    // Bank 3, its collapsed Memory CH parent and the home sheet; the expanded top is not.
    EXPECT_EQ(tree.MarkNodes(top, warnings, SheetTree::kWarningOverlay), 3);
    EXPECT_EQ(Node(BankCall(3)).overlay, SheetTree::kWarningOverlay);
    EXPECT_EQ(Node("GI_Sheet_TreeTop").overlay, SheetTree::kWarningOverlay);
    EXPECT_EQ(Node("[St_Common]GI_Sheet_Home,1").overlay, SheetTree::kWarningOverlay);
    EXPECT_EQ(top.overlay, TreeNode::kNoOverlay);
    EXPECT_EQ(Node(BankCall(0)).overlay, TreeNode::kNoOverlay);

    EXPECT_EQ(tree.MarkNodes(top, {BankCall(3)}, SheetTree::kErrorOverlay), 2);
    EXPECT_EQ(Node(BankCall(3)).overlay, SheetTree::kErrorOverlay);
    EXPECT_EQ(SheetTree::OverlayImage(Node(BankCall(3)).overlay), SheetTree::kErrorImage);
    EXPECT_EQ(SheetTree::OverlayImage(SheetTree::kWarningOverlay), SheetTree::kWarningImage);

    Node("GI_Sheet_TreeTop").expanded = true;
    tree.ClearMarks();
    EXPECT_EQ(tree.MarkNodes(top, {BankCall(3)}, SheetTree::kErrorOverlay), 1);
    EXPECT_EQ(Node("GI_Sheet_TreeTop").overlay, TreeNode::kNoOverlay);
    tree.ClearMarks();
    EXPECT_EQ(Node(BankCall(3)).overlay, TreeNode::kNoOverlay);
}

TEST_F(SheetTreeTest, MarkSheetsReplacesTheMarksAndTellsTheListenerOnce) {
    AddBankBranch({0, 3});
    Node(BankCall(0)).overlay = SheetTree::kErrorOverlay;  // from an earlier check
    const int before = listener.changes;
    const std::string home = "[St_Common]GI_Sheet_Home,1";
    tree.MarkSheets({BankCall(3), home}, {home});
    EXPECT_EQ(listener.changes, before + 1);
    EXPECT_EQ(Node(BankCall(0)).overlay, TreeNode::kNoOverlay);
    EXPECT_EQ(Node(BankCall(3)).overlay, SheetTree::kWarningOverlay);
    EXPECT_EQ(Node(home).overlay, SheetTree::kErrorOverlay) << "an error outranks a warning";
}

TEST_F(SheetTreeTest, ClosesWhenItsPanelGoes) {
    environment.bus.Post(message::kSheetDestroyed, 0, kPanel + 5, true);
    EXPECT_FALSE(tree.IsClosed());
    environment.bus.Post(message::kSheetDestroyed, 0, kPanel, true);
    EXPECT_TRUE(tree.IsClosed());
    EXPECT_TRUE(tree.TopNodes().empty());
    EXPECT_EQ(listener.closes, 1);
    environment.bus.PostText(message::kTreeSelect, 0, 0, "GI_Sheet_TopPage", true);
    EXPECT_EQ(tree.SelectedNode(), nullptr) << "a closed tree no longer listens";
}

TEST(FormatBankBranchLineTest, OnlyPercentPairsAndNumbersAreReplaced) {
    const std::pair<std::string_view, std::string> cases[] = {
        {"(%%CallSheet:[St_ColCut]GI_Sheet_MemoryCH,Bank %d)",
         "(%CallSheet:[St_ColCut]GI_Sheet_MemoryCH,Bank 7)"},
        {"%s %x 100%", "%s %x 100%"},
        {"%d%d", "77"},
    };
    for (const auto& [format, line] : cases) {
        EXPECT_EQ(FormatBankBranchLine(format, 7), line) << format;
    }
}

TEST(SheetTreeBodyTest, CountersInTreeLinesAreFatal) {
    DefinitionResource resource{{
        {"T_Tree_BasicCell", ""},
        {"T_Tree_Body", "+a\t{(%CallSheet:x)(@ch0++)}"},
    }};
    SheetTestEnvironment environment(resource.Resource());
    SheetTree tree(environment.Get(), "T_Tree", kPanel, false);
    EXPECT_FATAL(tree.Build(), "Ch No. Error");
}

}  // namespace
}  // namespace orvane
