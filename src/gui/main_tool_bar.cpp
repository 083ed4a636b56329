#include "gui/main_tool_bar.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>

#include "app/app_messages.h"
#include "gui/image_lists.h"
#include "sheet/sheet_messages.h"

namespace orvane {
namespace {

constexpr int kImageSize = 16;

}  // namespace

MainToolBar::MainToolBar(QMainWindow& window, ToolBarBuilder& builder, MessageBus& bus)
    : builder_(builder), bus_(bus) {
    QToolBar* row = AddRow(window);
    const std::vector<ToolButton>& buttons = builder_.Buttons();
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        const ToolButton& button = buttons[index];
        QAction* action = nullptr;
        switch (button.kind) {
            case ToolButton::Kind::Separator:
                AddGap(*row, button.width);
                break;
            case ToolButton::Kind::RowBreak:
                window.addToolBarBreak();
                row = AddRow(window);
                break;
            case ToolButton::Kind::Button:
                action = row->addAction(image_list::ToolImage(button.imageIndex, *row->style()),
                                        QString::fromStdString(button.hint));
                action->setData(button.imageIndex);
                connect(action, &QAction::triggered, this, [this, index] {
                    builder_.Click(index);
                    RefreshStates();
                });
                break;
        }
        actions_.push_back(action);
    }
    bus_.Subscribe(this);
}

MainToolBar::~MainToolBar() { bus_.Unsubscribe(this); }

QToolBar* MainToolBar::AddRow(QMainWindow& window) {
    auto* row = new QToolBar(&window);
    row->setMovable(false);
    row->setFloatable(false);
    row->setIconSize(QSize(kImageSize, kImageSize));
    row->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // Only the View menu shows and hides the toolbar.
    row->toggleViewAction()->setVisible(false);
    AddGap(*row, ToolBarBuilder::kIndent);
    window.addToolBar(Qt::TopToolBarArea, row);
    rows_.push_back(row);
    return row;
}

void MainToolBar::AddGap(QToolBar& row, int width) {
    auto* gap = new QWidget(&row);
    gap->setFixedWidth(width);
    row.addWidget(gap);
}

void MainToolBar::SetVisible(bool visible) {
    for (QToolBar* row : rows_) {
        row->setVisible(visible);
    }
}

void MainToolBar::RefreshStates() {
    builder_.RefreshStates();
    const std::vector<ToolButton>& buttons = builder_.Buttons();
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        QAction* action = actions_[index];
        if (action == nullptr) {
            continue;
        }
        const ToolButton& button = buttons[index];
        action->setCheckable(button.checkStyle);
        action->setChecked(button.pressed);
        action->setEnabled(button.enabled);
        if (action->data().toInt() != button.imageIndex) {
            action->setData(button.imageIndex);
            action->setIcon(image_list::ToolImage(button.imageIndex, *rows_.front()->style()));
        }
    }
}

void MainToolBar::OnBusMessage(const BusMessage& message) {
    if (message.kind == message::kMenusBuilt || message.kind == message::kRefreshMenuStates) {
        RefreshStates();
    }
}

}  // namespace orvane
