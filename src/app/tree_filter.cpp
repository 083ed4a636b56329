#include "app/tree_filter.h"

#include <optional>
#include <string>
#include <string_view>

#include "base/message_bus.h"
#include "image/image_layout.h"
#include "image/model_type.h"
#include "radio/bank_table.h"
#include "sheet/sheet_messages.h"
#include "sheet/sheet_tree.h"
#include "sheet/tree_node.h"
#include "text/text_store.h"

namespace orvane {
namespace {

// The node the bank branch hangs under, and the bodies of the branch's lines.
constexpr std::string_view kBranchParentCall = "GI_Sheet_TreeTop";
constexpr std::string_view kBankOperationLine = "GI_Tree_Branch_Mch_BankOperation";
constexpr std::string_view kBankLine = "GI_Tree_Branch_Mch_Bank";

// User flags of the tree body's nodes: which configurations show them.
constexpr int kExpertOnlyFlag = 0;
constexpr int kWxFlag = 1;
constexpr int kSingleListFlag = 2;
constexpr int kBankListFlag = 3;

}  // namespace

void TreeFilter::Apply(SheetTree& tree, std::int32_t modelType, bool expertMode) {
    const bool exportVariant = (modelType & model_type::kExport) != 0;
    const bool wx = (modelType & model_type::kWx) != 0;
    if (!exportVariant) {
        RebuildBankBranch(tree);
    }
    FollowBanks();
    tree.DeleteNodesWithFlag(exportVariant ? kBankListFlag : kSingleListFlag);
    if (!wx || exportVariant) {
        tree.DeleteNodesWithFlag(kWxFlag);
    }
    if (!expertMode) {
        tree.DeleteNodesWithFlag(kExpertOnlyFlag);
    }
}

void TreeFilter::FollowBanks() {
    for (int bank = 0; bank < kBankCount; ++bank) {
        bus_.PostText(message::kBankNodeCaption, 0, bank, banks_.BankDisplayName(bank, false),
                      false);
        bus_.Post(message::kBankNodeImages, 0, 0, false);
    }
}

void TreeFilter::RebuildBankBranch(SheetTree& tree) {
    TreeNode* branch = tree.FindNodeByLinkText(kBranchParentCall);
    if (branch == nullptr) {
        return;
    }
    const TreeNode* selected = tree.SelectedNode();
    const std::optional<std::string> selectedCall =
        selected != nullptr ? std::optional<std::string>(selected->cell.LinkText()) : std::nullopt;
    tree.ClearChildren(*branch);
    tree.AddNode(branch, texts_.GetText(kBankOperationLine, 0));
    const std::string bankFormat = texts_.GetText(kBankLine, 0);
    for (int bank = 0; bank < kBankCount; ++bank) {
        tree.AddNode(branch, FormatBankBranchLine(bankFormat, bank));
        bus_.PostText(message::kBankNodeCaptionUpdate, 0, bank, banks_.BankDisplayName(bank, false),
                      false);
    }
    // A selection inside the branch went with its node; the sheet it opened is in the new
    // branch too, and stays the selected one.
    if (selectedCall && tree.SelectedNode() == nullptr) {
        if (TreeNode* same = tree.FindNodeByLinkText(*selectedCall)) {
            tree.Select(same);
        }
    }
}

}  // namespace orvane
