#pragma once
// The tree panel's view of the tree of sheets: captions, node images with their warning
// and error marks, expansion and selection, all in step with the SheetTree. A selection
// the user makes goes to the tree at once and is reported once it has stayed for the
// change delay, so that running down the tree with the arrow keys opens one sheet, not
// every sheet on the way.

#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <map>
#include <utility>

#include "sheet/sheet_tree.h"

namespace orvane {

class SheetTreeView final : public QTreeWidget, public SheetTreeListener {
    Q_OBJECT

public:
    static constexpr int kImageSize = 16;

    struct Handlers {
        std::function<void()> selectionSettled;
        std::function<void()> expansionChanged;
    };

    SheetTreeView(Handlers handlers, QWidget* parent);
    ~SheetTreeView() override;

    // Shows `tree` and follows it; null empties the view. The previous tree may already
    // be gone, so it is not touched.
    void SetTree(SheetTree* tree);
    SheetTree* Tree() const { return tree_; }
    void SetChangeDelay(int ms) { settle_.setInterval(ms); }

    // The item that shows `node`, null when none does.
    QTreeWidgetItem* ItemOf(const TreeNode* node) const;
    static TreeNode* NodeOf(const QTreeWidgetItem* item);

    void OnNodesChanged() override;
    void OnSelectionChanged() override;
    void OnTreeClosed() override;

private:
    // Brings the items under `parent` (the invisible root for the top level) in line
    // with `nodes`, reusing the items of nodes that are still there.
    void SyncChildren(QTreeWidgetItem& parent, const std::vector<std::unique_ptr<TreeNode>>& nodes);
    void SyncItem(QTreeWidgetItem& item, const TreeNode& node);
    // The icon of a node image with a mark image over it (none when negative).
    const QIcon& NodeIcon(int image, int markImage);
    // Shows the tree's selection; `reveal` scrolls it into view.
    void SyncSelection(bool reveal);
    void ApplyTreeLook();
    void UserSelected(QTreeWidgetItem* item);
    void UserExpanded(QTreeWidgetItem* item, bool expanded);

    Handlers handlers_;
    SheetTree* tree_ = nullptr;
    QTimer settle_;
    // Each image and mark drawn once: the items are synced on every change of the tree,
    // and making an icon from an SVG image parses it again.
    std::map<std::pair<int, int>, QIcon> nodeIcons_;
    // Set while the view follows the tree, so that its own signals are not taken for the
    // user's.
    bool following_ = false;
};

}  // namespace orvane
