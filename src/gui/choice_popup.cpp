#include "gui/choice_popup.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

#include "sheet/sheet_factory.h"

namespace orvane {
namespace {

// A long list scrolls rather than covering the screen.
constexpr double kMostOfScreenHeight = 0.6;

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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(grid_);
    // The choice is made: the list closes once the request that made it has returned.
    connect(grid_, &SheetGrid::Finished, this, &QWidget::close, Qt::QueuedConnection);
}

ChoicePopup::~ChoicePopup() { delete grid_; }

void ChoicePopup::ShowAt(QPoint below, int minimumWidth) {
    const QRect screen = (this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen())
                             ->availableGeometry();
    const QSize content = grid_->ContentSize();
    const int frame = 2 * (lineWidth() + 2);
    const int height = std::min(content.height() + frame,
                                static_cast<int>(screen.height() * kMostOfScreenHeight));
    const int scrollBar = height < content.height() + frame
                              ? grid_->verticalScrollBar()->sizeHint().width()
                              : 0;
    const int width = std::max(minimumWidth, content.width() + frame + scrollBar);
    QPoint at = below;
    if (at.y() + height > screen.bottom()) {
        at.setY(std::max(screen.top(), below.y() - height));
    }
    at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - width)));
    setGeometry(QRect(at, QSize(width, height)));
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
