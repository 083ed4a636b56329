#pragma once
// The tree of sheets built from a body pair "name_BasicCell" / "name_Body". Each node's
// link text names the sheet it opens; the main controller adds the bank branch, marks
// nodes with warnings and errors, and renames bank nodes through the message bus.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/message_bus.h"
#include "sheet/sheet_environment.h"
#include "sheet/tree_node.h"

namespace orvane {

class SheetTreeListener {
public:
    virtual ~SheetTreeListener() = default;
    virtual void OnNodesChanged() = 0;  // nodes added, removed, renamed or re-imaged
    virtual void OnSelectionChanged() = 0;
    virtual void OnTreeClosed() = 0;  // the tree emptied itself; the host drops it
};

class SheetTree : public BusSubscriber {
public:
    // Overlay numbers and the images they show.
    static constexpr int kErrorOverlay = 0;
    static constexpr int kWarningOverlay = 1;
    static constexpr int kErrorImage = 5;
    static constexpr int kWarningImage = 4;
    // Images of bank nodes.
    static constexpr int kBankImage = 2;
    static constexpr int kEmptyBankImage = 6;

    // `panel` identifies the host area the tree lives in (message 1 names it); only the
    // main window's tree follows the bank messages.
    SheetTree(const SheetEnvironment& environment, std::string name, std::intptr_t panel,
              bool mainTree);
    ~SheetTree() override;
    SheetTree(const SheetTree&) = delete;
    SheetTree& operator=(const SheetTree&) = delete;

    void Build();
    // One node from one body line (the text after its first '+'); top level without a
    // parent.
    TreeNode& AddNode(TreeNode* parent, std::string_view lineText);
    // The lines of `key` from `firstLine` on, nested by their indentation.
    void BuildLines(TreeNode* parent, std::string_view key, int firstLine);
    void ClearChildren(TreeNode& node);
    // Deletes every node whose cell carries user flag `flag` (0..3), with its subtree;
    // the main controller drops the sheets a configuration does not have this way.
    // Returns the number of nodes found with the flag.
    int DeleteNodesWithFlag(int flag);
    // The first node in tree order whose link text is exactly `text`.
    TreeNode* FindNodeByLinkText(std::string_view text);
    // The first node in tree order that opens the bank sheet of `bank`, whatever its
    // caption.
    TreeNode* FindBankNode(int bank);

    const std::vector<std::unique_ptr<TreeNode>>& TopNodes() const { return root_.children; }
    TreeNode* SelectedNode() const { return selected_; }
    const SheetCell* SelectedCell() const { return selected_ ? &selected_->cell : nullptr; }
    void Select(TreeNode* node);
    const SheetCell& BasicCell() const { return basicCell_; }
    bool IsClosed() const { return closed_; }

    // Removes every overlay mark.
    void ClearMarks();
    void ClearMarks(TreeNode& node);
    // Marks with `overlay` the nodes whose link text is in `names`, and collapsed nodes
    // with marked descendants; returns the number of marked nodes in the subtree.
    int MarkNodes(TreeNode& node, const std::vector<std::string>& names, int overlay);
    // Replaces every mark: the nodes of `warningSheets` get the warning mark, then those
    // of `errorSheets` the error mark, so that an error shows where both apply. The
    // listener hears of it once.
    void MarkSheets(const std::vector<std::string>& warningSheets,
                    const std::vector<std::string>& errorSheets);
    // The image an overlay number shows.
    static int OverlayImage(int overlay);

    void SetListener(SheetTreeListener* listener) { listener_ = listener; }
    void OnBusMessage(const BusMessage& message) override;

private:
    void Close();
    int DeleteFlagged(TreeNode& node, int flag);
    // Calls `apply(node, bank)` for every node whose call text opens the bank sheet of a
    // bank.
    template <typename Apply>
    void ForEachBankNode(TreeNode& node, const Apply& apply);

    SheetEnvironment environment_;
    std::string name_;
    std::intptr_t panel_;
    bool mainTree_;
    SheetCell basicCell_;
    TreeNode root_;  // holds the top-level nodes
    TreeNode* selected_ = nullptr;
    bool closed_ = false;
    SheetTreeListener* listener_ = nullptr;
};

// Fills a bank branch line template: "%%" becomes "%" and "%d" the bank number; other
// text is kept as it is.
std::string FormatBankBranchLine(std::string_view format, int bank);

}  // namespace orvane
