#pragma once
// The toolbar of the main window, mirrored from a toolbar built from its definition: one
// button per line with its image and hint, gaps for separators, and a new row of buttons
// after a row break. The button states follow the data model whenever the menus ask
// for theirs (messages 2 and 11).

#include <QObject>
#include <vector>

#include "base/message_bus.h"
#include "sheet/tool_bar_builder.h"

class QAction;
class QMainWindow;
class QToolBar;

namespace orvane {

class MainToolBar final : public QObject, public BusSubscriber {
    Q_OBJECT

public:
    MainToolBar(QMainWindow& window, ToolBarBuilder& builder, MessageBus& bus);
    ~MainToolBar() override;
    MainToolBar(const MainToolBar&) = delete;
    MainToolBar& operator=(const MainToolBar&) = delete;

    void SetVisible(bool visible);
    // Asks the data model for the buttons' states and shows them.
    void RefreshStates();
    // The rows of buttons, top first.
    const std::vector<QToolBar*>& Rows() const { return rows_; }

    void OnBusMessage(const BusMessage& message) override;

private:
    QToolBar* AddRow(QMainWindow& window);
    static void AddGap(QToolBar& row, int width);

    ToolBarBuilder& builder_;
    MessageBus& bus_;
    std::vector<QToolBar*> rows_;
    // One entry per button of the builder, null for separators and row breaks.
    std::vector<QAction*> actions_;
};

}  // namespace orvane
