#pragma once
// The menu bar of the main window, mirrored from a menu built from its definition: one
// action per item, with its access key, shortcut, check mark, visibility and enabling
// kept in step with the item. Choosing an action clicks its item.

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <string>
#include <unordered_map>

#include "sheet/menu_builder.h"

class QAction;
class QMenu;
class QMenuBar;

namespace orvane {

class MainMenu final : public QObject, public MenuListener {
    Q_OBJECT

public:
    // Fills `bar` from the items `builder` has built and follows their changes.
    MainMenu(QMenuBar& bar, MenuBuilder& builder);
    ~MainMenu() override;
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    void OnItemsRebuilt(const MenuItem& parent) override;
    void OnStatesRefreshed() override;

private:
    void Rebuild();
    void Fill(QWidget& container, MenuItem& parent);
    QAction* AddItem(QWidget& container, MenuItem& item);
    void ApplyStates(MenuItem& item);

    QMenuBar& bar_;
    MenuBuilder& builder_;
    // The action of every item shown, keyed by the item.
    std::unordered_map<const MenuItem*, QPointer<QAction>> actions_;
};

// The shortcut a definition writes as text ("Ctrl+N", "Alt+F4", "F12", "Del"); empty when
// the text names no key.
QKeySequence ShortcutOf(const std::string& text);

}  // namespace orvane
