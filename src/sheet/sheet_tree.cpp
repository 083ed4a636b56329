#include "sheet/sheet_tree.h"

#include <algorithm>

#include "sheet/bank_directory.h"
#include "sheet/body_levels.h"
#include "sheet/cell_parser.h"
#include "sheet/definition_text.h"
#include "sheet/sheet_call_text.h"
#include "sheet/sheet_messages.h"

namespace orvane {
namespace {

constexpr std::string_view kBankSheetTag = "St_ColCut";

TreeNode* FindByLinkText(TreeNode& node, std::string_view text) {
    for (auto& child : node.children) {
        if (child->cell.LinkText() == text && child->cell.linkText) {
            return child.get();
        }
        if (TreeNode* found = FindByLinkText(*child, text)) {
            return found;
        }
    }
    return nullptr;
}

bool IsWithin(const TreeNode* node, const TreeNode& ancestor) {
    for (; node != nullptr; node = node->parent) {
        if (node == &ancestor) {
            return true;
        }
    }
    return false;
}

}  // namespace

SheetTree::SheetTree(const SheetEnvironment& environment, std::string name, std::intptr_t panel,
                     bool mainTree)
    : environment_(environment), name_(std::move(name)), panel_(panel), mainTree_(mainTree) {
    environment_.bus.Subscribe(this);
}

SheetTree::~SheetTree() { environment_.bus.Unsubscribe(this); }

void SheetTree::Build() {
    CellParser parser(environment_.textStore, environment_.vocabulary);
    parser.ParseCell(basicCell_,
                     BodyLine(environment_.textStore, name_ + "_BasicCell", 0).value_or(""),
                     nullptr, nullptr);
    ClearChildren(root_);
    BuildLines(nullptr, name_ + "_Body", 0);
    if (!root_.children.empty()) {
        root_.children.front()->expanded = true;
    }
}

TreeNode& SheetTree::AddNode(TreeNode* parent, std::string_view lineText) {
    TreeNode& under = parent != nullptr ? *parent : root_;
    const std::size_t plus = lineText.find('+');
    const std::string_view source =
        plus == std::string_view::npos ? lineText : lineText.substr(plus + 1);
    auto node = std::make_unique<TreeNode>();
    node->parent = parent;
    CellParser parser(environment_.textStore, environment_.vocabulary);
    parser.ParseCell(node->cell, source, nullptr, &basicCell_);
    node->text = node->cell.text;
    node->imageIndex = node->cell.imageIndex;
    node->selectedImageIndex = node->cell.imageIndex;
    under.children.push_back(std::move(node));
    if (listener_ != nullptr) {
        listener_->OnNodesChanged();
    }
    return *under.children.back();
}

void SheetTree::BuildLines(TreeNode* parent, std::string_view key, int firstLine) {
    std::vector<std::string> lines = BodyLines(environment_.textStore, key);
    lines.erase(lines.begin(), lines.begin() + std::min<std::ptrdiff_t>(
                                                   std::max(firstLine, 0),
                                                   static_cast<std::ptrdiff_t>(lines.size())));
    TreeNode& under = parent != nullptr ? *parent : root_;
    const auto addNode = [this](TreeNode& node, std::string_view source) -> TreeNode& {
        std::string line = "+";
        line += source;
        return AddNode(&node == &root_ ? nullptr : &node, line);
    };
    BuildLevel(ItemLines(lines), 0, under, addNode);
}

void SheetTree::ClearChildren(TreeNode& node) {
    // Top-level nodes have no parent, so clearing the hidden root clears any selection.
    const bool selectionGoes =
        selected_ != nullptr &&
        (&node == &root_ || (selected_ != &node && IsWithin(selected_, node)));
    if (selectionGoes) {
        selected_ = nullptr;
        if (listener_ != nullptr) {
            listener_->OnSelectionChanged();
        }
    }
    node.children.clear();
    if (listener_ != nullptr) {
        listener_->OnNodesChanged();
    }
}

int SheetTree::DeleteNodesWithFlag(int flag) {
    const int deleted = DeleteFlagged(root_, flag);
    if (deleted > 0 && listener_ != nullptr) {
        listener_->OnNodesChanged();
    }
    return deleted;
}

int SheetTree::DeleteFlagged(TreeNode& node, int flag) {
    int deleted = 0;
    std::erase_if(node.children, [&](const std::unique_ptr<TreeNode>& child) {
        if (!child->cell.UserFlag(flag)) {
            deleted += DeleteFlagged(*child, flag);
            return false;
        }
        if (selected_ != nullptr && IsWithin(selected_, *child)) {
            Select(nullptr);
        }
        ++deleted;
        return true;
    });
    return deleted;
}

TreeNode* SheetTree::FindNodeByLinkText(std::string_view text) {
    return FindByLinkText(root_, text);
}

void SheetTree::Select(TreeNode* node) {
    selected_ = node;
    if (listener_ != nullptr) {
        listener_->OnSelectionChanged();
    }
}

void SheetTree::ClearMarks() { ClearMarks(root_); }

void SheetTree::ClearMarks(TreeNode& node) {
    node.overlay = TreeNode::kNoOverlay;
    for (auto& child : node.children) {
        ClearMarks(*child);
    }
}

int SheetTree::MarkNodes(TreeNode& node, const std::vector<std::string>& names, int overlay) {
    int marked = 0;
    for (auto& child : node.children) {
        marked += MarkNodes(*child, names, overlay);
    }
    const bool listed = node.cell.linkText &&
                        std::find(names.begin(), names.end(), *node.cell.linkText) != names.end();
    // A collapsed node stands for its hidden descendants.
    if (listed || (!node.expanded && marked > 0)) {
        node.overlay = overlay;
        ++marked;
    }
    return marked;
}

void SheetTree::MarkSheets(const std::vector<std::string>& warningSheets,
                           const std::vector<std::string>& errorSheets) {
    ClearMarks();
    for (const auto& top : root_.children) {
        MarkNodes(*top, warningSheets, kWarningOverlay);
        MarkNodes(*top, errorSheets, kErrorOverlay);
    }
    if (listener_ != nullptr) {
        listener_->OnNodesChanged();
    }
}

int SheetTree::OverlayImage(int overlay) {
    return overlay == kErrorOverlay ? kErrorImage : overlay == kWarningOverlay ? kWarningImage : -1;
}

template <typename Apply>
void SheetTree::ForEachBankNode(TreeNode& node, const Apply& apply) {
    for (auto& child : node.children) {
        const SheetCallText call = SheetCallText::Parse(child->cell.LinkText());
        if (call.tag == kBankSheetTag) {
            if (const std::optional<int> bank = BankOfParameter(call.parameter)) {
                apply(*child, *bank);
            }
        }
        ForEachBankNode(*child, apply);
    }
}

TreeNode* SheetTree::FindBankNode(int bank) {
    TreeNode* found = nullptr;
    ForEachBankNode(root_, [&](TreeNode& node, int nodeBank) {
        if (nodeBank == bank && found == nullptr) {
            found = &node;
        }
    });
    return found;
}

void SheetTree::Close() {
    environment_.bus.Unsubscribe(this);
    selected_ = nullptr;
    root_.children.clear();
    closed_ = true;
    if (listener_ != nullptr) {
        listener_->OnTreeClosed();
    }
}

void SheetTree::OnBusMessage(const BusMessage& message) {
    switch (message.kind) {
        case message::kSheetDestroyed:
            if (message.int2 == panel_) {
                Close();
            }
            return;
        case message::kTreeSelectedText:
            if (selected_ != nullptr) {
                std::vector<std::uint8_t> text(selected_->text.begin(), selected_->text.end());
                text.push_back(0);
                environment_.bus.Reply(text);
            }
            return;
        case message::kTreeSelect:
            if (TreeNode* node = FindNodeByLinkText(message.PayloadText())) {
                Select(node);
            }
            return;
        default:
            break;
    }
    if (!mainTree_) {
        return;
    }
    if (message.kind == message::kBankNodeCaption ||
        message.kind == message::kBankNodeCaptionUpdate) {
        const std::string caption(message.PayloadText());
        ForEachBankNode(root_, [&](TreeNode& node, int bank) {
            if (bank == message.int2) {
                node.text = caption;
            }
        });
    } else if (message.kind == message::kBankNodeImages) {
        ForEachBankNode(root_, [this](TreeNode& node, int bank) {
            const int image =
                environment_.banks.BankCapacity(bank) > 0 ? kBankImage : kEmptyBankImage;
            node.imageIndex = image;
            node.selectedImageIndex = image;
        });
    } else {
        return;
    }
    if (listener_ != nullptr) {
        listener_->OnNodesChanged();
    }
}

std::string FormatBankBranchLine(std::string_view format, int bank) {
    std::string line;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == '%') {
            line.push_back('%');
            ++i;
        } else if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 'd') {
            line += std::to_string(bank);
            ++i;
        } else {
            line.push_back(format[i]);
        }
    }
    return line;
}

}  // namespace orvane
