#include "gui/sheet_tree_view.h"

#include <QHeaderView>

#include "gui/image_lists.h"
#include "paint/qt_colour.h"
#include "paint/qt_font.h"

namespace orvane {
namespace {

constexpr int kNodeRole = Qt::UserRole;

// Keeps `following` set for one scope.
class Following {
public:
    explicit Following(bool& following) : following_(following), was_(following) {
        following_ = true;
    }
    ~Following() { following_ = was_; }
    Following(const Following&) = delete;
    Following& operator=(const Following&) = delete;

private:
    bool& following_;
    bool was_;
};

QTreeWidgetItem* FindItem(QTreeWidgetItem& parent, const TreeNode* node) {
    for (int i = 0; i < parent.childCount(); ++i) {
        QTreeWidgetItem* child = parent.child(i);
        if (SheetTreeView::NodeOf(child) == node) {
            return child;
        }
        if (QTreeWidgetItem* found = FindItem(*child, node)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

SheetTreeView::SheetTreeView(Handlers handlers, QWidget* parent)
    : QTreeWidget(parent), handlers_(std::move(handlers)) {
    setHeaderHidden(true);
    setColumnCount(1);
    setIconSize(QSize(kImageSize, kImageSize));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The selection stays as visible when the focus is elsewhere, so the tree always
    // shows which sheet is open.
    QPalette look = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        look.setColor(QPalette::Inactive, role, look.color(QPalette::Active, role));
    }
    setPalette(look);

    settle_.setSingleShot(true);
    connect(&settle_, &QTimer::timeout, this, [this] {
        if (tree_ != nullptr && handlers_.selectionSettled) {
            handlers_.selectionSettled();
        }
    });
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { UserSelected(current); });
    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { UserExpanded(item, true); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { UserExpanded(item, false); });
}

SheetTreeView::~SheetTreeView() {
    // Removing the items while the view goes changes the current item; nothing is left
    // to hear of it.
    disconnect(this, nullptr, this, nullptr);
}

void SheetTreeView::SetTree(SheetTree* tree) {
    settle_.stop();
    tree_ = nullptr;
    {
        Following following(following_);
        clear();
    }
    tree_ = tree;
    if (tree_ == nullptr) {
        return;
    }
    tree_->SetListener(this);
    ApplyTreeLook();
    OnNodesChanged();
}

void SheetTreeView::ApplyTreeLook() {
    const SheetCell& basic = tree_->BasicCell();
    if (basic.font) {
        setFont(ToQFont(*basic.font));
    }
    QPalette look = palette();
    look.setColor(QPalette::Base, ToQColor(basic.colour, look));
    setPalette(look);
}

TreeNode* SheetTreeView::NodeOf(const QTreeWidgetItem* item) {
    return item != nullptr ? reinterpret_cast<TreeNode*>(item->data(0, kNodeRole).value<quintptr>())
                           : nullptr;
}

QTreeWidgetItem* SheetTreeView::ItemOf(const TreeNode* node) const {
    return node != nullptr ? FindItem(*invisibleRootItem(), node) : nullptr;
}

void SheetTreeView::OnNodesChanged() {
    if (tree_ == nullptr) {
        return;
    }
    Following following(following_);
    SyncChildren(*invisibleRootItem(), tree_->TopNodes());
    // A renamed or re-imaged node leaves the scroll position alone.
    SyncSelection(false);
}

void SheetTreeView::OnSelectionChanged() {
    if (tree_ != nullptr) {
        Following following(following_);
        SyncSelection(true);
    }
}

void SheetTreeView::OnTreeClosed() { SetTree(nullptr); }

void SheetTreeView::SyncChildren(QTreeWidgetItem& parent,
                                 const std::vector<std::unique_ptr<TreeNode>>& nodes) {
    int position = 0;
    for (const auto& node : nodes) {
        QTreeWidgetItem* item = nullptr;
        for (int i = position; i < parent.childCount() && item == nullptr; ++i) {
            if (NodeOf(parent.child(i)) == node.get()) {
                item = parent.child(i);
                if (i != position) {
                    parent.insertChild(position, parent.takeChild(i));
                }
            }
        }
        if (item == nullptr) {
            item = new QTreeWidgetItem();
            item->setData(0, kNodeRole,
                          QVariant::fromValue(reinterpret_cast<quintptr>(node.get())));
            parent.insertChild(position, item);
        }
        SyncChildren(*item, node->children);
        SyncItem(*item, *node);
        ++position;
    }
    while (parent.childCount() > position) {
        delete parent.takeChild(position);
    }
}

void SheetTreeView::SyncItem(QTreeWidgetItem& item, const TreeNode& node) {
    const QString text = QString::fromStdString(node.text);
    if (item.text(0) != text) {
        item.setText(0, text);
    }
    const QIcon& icon = NodeIcon(node.imageIndex, SheetTree::OverlayImage(node.overlay));
    // A new icon, even the same one again, makes the view measure the item anew.
    if (item.icon(0).cacheKey() != icon.cacheKey()) {
        item.setIcon(0, icon);
    }
    item.setExpanded(node.expanded);
}

const QIcon& SheetTreeView::NodeIcon(int image, int markImage) {
    const std::pair key(image, markImage);
    auto found = nodeIcons_.find(key);
    if (found == nodeIcons_.end()) {
        found =
            nodeIcons_.emplace(key, image_list::TreeNodeIcon(image, markImage, kImageSize)).first;
    }
    return found->second;
}

void SheetTreeView::SyncSelection(bool reveal) {
    QTreeWidgetItem* item = ItemOf(tree_->SelectedNode());
    if (item != currentItem()) {
        setCurrentItem(item);
    }
    if (item != nullptr && reveal) {
        scrollToItem(item);
    }
}

void SheetTreeView::UserSelected(QTreeWidgetItem* item) {
    if (following_ || tree_ == nullptr) {
        return;
    }
    {
        Following following(following_);
        tree_->Select(NodeOf(item));
    }
    settle_.start();
}

void SheetTreeView::UserExpanded(QTreeWidgetItem* item, bool expanded) {
    TreeNode* node = NodeOf(item);
    if (following_ || tree_ == nullptr || node == nullptr) {
        return;
    }
    node->expanded = expanded;
    if (handlers_.expansionChanged) {
        handlers_.expansionChanged();
    }
}

}  // namespace orvane
