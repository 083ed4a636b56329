#include "gui/menu_mirror.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace orvane {

QKeySequence ShortcutOf(const std::string& text) {
    const QKeySequence sequence =
        QKeySequence::fromString(QString::fromStdString(text), QKeySequence::PortableText);
    // One key with its modifiers; anything Qt reads as more, or as unknown, is no shortcut.
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown) {
        return QKeySequence();
    }
    return sequence;
}

namespace {

MenuItem* ItemWithShortcut(MenuItem& parent, const QKeySequence& keys) {
    for (auto& child : parent.children) {
        if (!child->separator && !child->shortcut.empty() && ShortcutOf(child->shortcut) == keys) {
            return child.get();
        }
        if (MenuItem* found = ItemWithShortcut(*child, keys)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

bool ClickShortcut(MenuBuilder& builder, const QKeySequence& keys) {
    MenuItem* item = ItemWithShortcut(builder.Root(), keys);
    if (item == nullptr) {
        return false;
    }
    builder.RefreshStates();
    if (item->enabled && item->visible) {
        builder.Click(*item);
    }
    return true;
}

MenuMirror::MenuMirror(QWidget& container, MenuBuilder& builder) : container_(container), builder_(builder) {
    builder_.SetListener(this);
    Rebuild();
}

MenuMirror::~MenuMirror() { builder_.SetListener(nullptr); }

void MenuMirror::OnItemsRebuilt(const MenuItem&) { Rebuild(); }

void MenuMirror::OnStatesRefreshed() {
    for (auto& child : builder_.Root().children) {
        ApplyStates(*child);
    }
}

void MenuMirror::Rebuild() {
    // A rebuild may come while one of the old actions is still being handled, so the
    // old menus go once control is back in the event loop.
    for (QAction* action : container_.actions()) {
        container_.removeAction(action);
        if (action->menu() != nullptr) {
            action->menu()->deleteLater();
        } else if (action->parent() == &container_) {
            action->deleteLater();
        }
    }
    actions_.clear();
    Fill(container_, builder_.Root());
    OnStatesRefreshed();
}

void MenuMirror::Fill(QWidget& container, MenuItem& parent) {
    for (auto& child : parent.children) {
        actions_[child.get()] = AddItem(container, *child);
    }
}

QAction* MenuMirror::AddItem(QWidget& container, MenuItem& item) {
    const QString caption = QString::fromStdString(item.caption);
    if (!item.children.empty()) {
        auto* menu = new QMenu(caption, &container);
        connect(menu, &QMenu::aboutToShow, this, [this] { builder_.RefreshStates(); });
        Fill(*menu, item);
        container.addAction(menu->menuAction());
        return menu->menuAction();
    }
    // A separator's caption is the "-" that made it; shown as text it would stand beside
    // the line.
    auto* action = new QAction(item.separator ? QString() : caption, &container);
    action->setSeparator(item.separator);
    if (!item.separator) {
        action->setShortcut(ShortcutOf(item.shortcut));
        MenuItem* clicked = &item;
        connect(action, &QAction::triggered, this, [this, clicked] { builder_.Click(*clicked); });
    }
    container.addAction(action);
    return action;
}

void MenuMirror::ApplyStates(MenuItem& item) {
    const auto found = actions_.find(&item);
    if (found != actions_.end() && found->second) {
        QAction& action = *found->second;
        if (!item.separator) {
            action.setText(QString::fromStdString(item.caption));
            // Only a checked item shows a mark, as menus do where nothing is a toggle.
            action.setCheckable(item.checked);
            action.setChecked(item.checked);
        }
        action.setVisible(item.visible);
        action.setEnabled(item.enabled);
    }
    for (auto& child : item.children) {
        ApplyStates(*child);
    }
}

}  // namespace orvane
