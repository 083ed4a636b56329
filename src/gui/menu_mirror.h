#pragma once
// A menu bar or popup menu mirrored from a menu built from its definition: one action
// per item, with its access key, shortcut, check mark, visibility and enabling kept in
// step with the item. Choosing an action clicks its item. The main window's menu bar and
// a sheet's popup menu both show their items this way.

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <string>
#include <unordered_map>

#include "sheet/menu_builder.h"

class QAction;
class QMenu;
class QWidget;

namespace orvane {

class MenuMirror final : public QObject, public MenuListener {
    Q_OBJECT

public:
    // Fills `container` (a QMenuBar or a QMenu) from the items `builder` has built and
    // follows their changes.
    MenuMirror(QWidget& container, MenuBuilder& builder);
    ~MenuMirror() override;
    MenuMirror(const MenuMirror&) = delete;
    MenuMirror& operator=(const MenuMirror&) = delete;

    void OnItemsRebuilt(const MenuItem& parent) override;
    void OnStatesRefreshed() override;

private:
    void Rebuild();
    void Fill(QWidget& container, MenuItem& parent);
    QAction* AddItem(QWidget& container, MenuItem& item);
    void ApplyStates(MenuItem& item);

    QWidget& container_;
    MenuBuilder& builder_;
    // The action of every item shown, keyed by the item.
    std::unordered_map<const MenuItem*, QPointer<QAction>> actions_;
};

// The shortcut a definition writes as text ("Ctrl+N", "Alt+F4", "F12", "Del"); empty when
// the text names no key.
QKeySequence ShortcutOf(const std::string& text);

// Clicks the item of `builder` whose shortcut is `keys`, when the data model, asked
// afresh, shows it enabled; false when no item has that shortcut. A popup menu's
// shortcuts work this way while it is not open.
bool ClickShortcut(MenuBuilder& builder, const QKeySequence& keys);

}  // namespace orvane
