#include "gui/choice_popup.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "gui/dialog_support.h"
#include "sheet/sheet_factory.h"

namespace orvane {
namespace {

std::unique_ptr<Sheet> BuildList(Sheet& owner, const CellRequest& request,
                                 const std::string& listKey, const CellLink& focus) {
    SheetOptions options;
    options.fontPercent = owner.Options().fontPercent;
    options.dialogMode = true;
    std::unique_ptr<Sheet> list = CreateSheet(owner.Environment(), listKey, options);
    list->SetOpening(SheetOpening{owner.Opening().handler, request, focus});
    list->Build();
    return list;
}

}  // namespace

ChoicePopup::ChoicePopup(Sheet& owner, const CellRequest& request, const std::string& listKey,
                         const CellLink& focus, const SheetGridServices& services,
                         QWidget* parent)
    : QFrame(parent, Qt::Popup), sheet_(BuildList(owner, request, listKey, focus)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(1);
    grid_ = new SheetGrid(*sheet_, services, this);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The window is sized to the list; the scroll area's own minimum would widen it.
    grid_->setMinimumSize(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(grid_);
    // The choice is made: the list closes once the request that made it has returned.
    connect(grid_, &SheetGrid::Finished, this, &QWidget::close, Qt::QueuedConnection);
}

ChoicePopup::~ChoicePopup() { delete grid_; }

void ChoicePopup::ShowUnder(const QRect& cell) {
    const QRect workArea =
        (screen() != nullptr ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const int frame = 2 * (lineWidth() + layout()->contentsMargins().left());
    QSize size = grid_->ContentSize() + QSize(frame, frame);
    // A list longer or wider than the work area scrolls, with both bars, within it.
    if (size.width() > workArea.width() || size.height() > workArea.height()) {
        grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        size += QSize(grid_->verticalScrollBar()->sizeHint().width(),
                      grid_->horizontalScrollBar()->sizeHint().height());
        size = size.boundedTo(workArea.size());
    }
    setGeometry(BelowCell(size, cell, workArea));
    show();
    grid_->setFocus(Qt::PopupFocusReason);
}

void ChoicePopup::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

}  // namespace orvane
