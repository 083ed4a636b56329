// The tree filter on the shipped tree: the branches each model and mode shows, the bank
// branch and its captions and images, and the selection across a rebuild.

#include "app/tree_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "radio/cell_ids.h"
#include "sheet/sheet_messages.h"
#include "tree_fixture.h"

namespace orvane {
namespace {

using TreeFilterTest = testing::TreeFixture;
using testing::BankNodeLines;
using testing::Joined;

constexpr std::int32_t kLk2 = 0;
constexpr std::int32_t kLk1 = 3;
constexpr std::int32_t kExportModel = 4;

// The bank branch of a default image: every bank unnamed.
std::vector<std::string> DefaultBankBranch() {
    return Joined({{"  Memory CH", "    Bank Operation"}, BankNodeLines()});
}

TEST_F(TreeFilterTest, EachModelAndModeShowsItsOwnBranches) {
    const std::vector<std::string> top = {"HT-Lk1"};
    const std::vector<std::string> settings = {"  Common Setting", "  Clone Comment"};
    struct Case {
        std::int32_t model;
        bool expert;
        std::vector<std::string> outline;
    };
    const std::vector<Case> cases = {
        {kLk1, false, Joined({top, DefaultBankBranch(), {"  WX CH"}, settings})},
        {kLk1, true, Joined({top, DefaultBankBranch(), {"  WX CH"}, settings, {"  EXPERT"}})},
        {kLk2, false, Joined({top, DefaultBankBranch(), settings})},
        {kExportModel, false, Joined({top, {"  Memory CH"}, settings})},
        {kExportModel, true, Joined({top, {"  Memory CH"}, settings, {"  EXPERT"}})},
        // WX without the export bit's banks: the WX sheet goes with the export variant.
        {kExportModel | model_type::kWx, false, Joined({top, {"  Memory CH"}, settings})},
    };
    for (const Case& c : cases) {
        ShowModel(c.model, c.expert);
        EXPECT_EQ(Outline(), c.outline) << "model " << c.model << " expert " << c.expert;
    }
}

TEST_F(TreeFilterTest, BankMessagesAreQueuedInOrderWithTheBankNames) {
    for (std::int32_t model : {kLk1, kExportModel}) {
        UseModel(model, true);
        tree.Build();
        bankSheet.received.clear();
        filter.Apply(tree, model, false);
        EXPECT_TRUE(bankSheet.received.empty()) << "nothing before the bus is pumped";
        bus.Pump();
        std::vector<std::pair<int, std::intptr_t>> expected;
        if (model == kLk1) {
            for (int bank = 0; bank < 10; ++bank) {
                expected.emplace_back(message::kBankNodeCaptionUpdate, bank);
            }
        }
        for (int bank = 0; bank < 10; ++bank) {
            expected.emplace_back(message::kBankNodeCaption, bank);
            expected.emplace_back(message::kBankNodeImages, 0);
        }
        std::vector<std::pair<int, std::intptr_t>> received;
        for (const auto& m : bankSheet.received) {
            received.emplace_back(m.kind, m.int2);
            if (m.kind != message::kBankNodeImages) {
                EXPECT_EQ(m.text, banks.BankDisplayName(static_cast<int>(m.int2), false));
            }
        }
        EXPECT_EQ(received, expected) << "model " << model;
    }
}

TEST_F(TreeFilterTest, BankNodesShowTheirNamesAndWhetherTheyHoldChannels) {
    UseModel(kLk1, true);
    Commit(cell::kBankName, 4, "tower.1", category::kBankOp);
    SetCapacities({20, 0, 20, 20, 20, 20, 20, 20, 20, 20});
    tree.Build();
    Filter(kLk1);
    EXPECT_EQ(Node(BankCall(4)).text, "4: TOWER.1         ");
    EXPECT_EQ(Node(BankCall(1)).imageIndex, SheetTree::kEmptyBankImage);
    EXPECT_EQ(Node(BankCall(2)).imageIndex, SheetTree::kBankImage);
}

TEST_F(TreeFilterTest, RebuildingTheBankBranchKeepsTheSelectedSheet) {
    ShowModel(kLk1);
    for (const std::string& call :
         {BankCall(3), std::string("GI_Sheet_BankOp"), std::string("GI_Sheet_TreeTop"),
          std::string("GI_Sheet_WxCH")}) {
        TreeNode& before = Node(call);
        tree.Select(&before);
        Filter(kLk1);
        ASSERT_NE(tree.SelectedNode(), nullptr) << call;
        EXPECT_EQ(tree.SelectedNode()->cell.LinkText(), call);
        EXPECT_EQ(tree.SelectedNode(), tree.FindNodeByLinkText(call)) << call;
    }
}

TEST_F(TreeFilterTest, FilteringAgainChangesNothing) {
    ShowModel(kLk1);
    const std::vector<std::string> once = Outline();
    Filter(kLk1);
    EXPECT_EQ(Outline(), once);
}

}  // namespace
}  // namespace orvane
