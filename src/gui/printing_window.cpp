#include "gui/printing_window.h"

#include <QLabel>
#include <QPushButton>

#include "gui/dialog_support.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kDialogKey = "GI_Sys_Printer_PrintingDialog";

}  // namespace

PrintingWindow::PrintingWindow(QWidget* owner, TextStore& texts)
    : QDialog(owner),
      label_(new QLabel(QString::fromStdString(texts.GetText(kDialogKey, 1)), this)),
      cancel_(new QPushButton(QString::fromStdString(texts.GetText(kDialogKey, 2)), this)) {
    setWindowTitle(QString::fromStdString(texts.GetText(kDialogKey, 0)));
    setFont(DialogFont(texts));
    label_->adjustSize();
    const QSize label = label_->sizeHint();
    const int buttonHeight = cancel_->sizeHint().height();
    cancel_->setDefault(true);
    cancel_->resize(static_cast<int>(1.2 * label.width()), buttonHeight);
    const int width = 2 * label.width();
    const int height = 3 * (label.height() + buttonHeight);
    setFixedSize(width, height);
    label_->move((width - label.width()) / 2, 2 * label.height());
    cancel_->move((width - cancel_->width()) / 2, height - static_cast<int>(1.5 * buttonHeight));
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelRequested_ = true; });
    if (owner != nullptr) {
        PlaceOverOwner(*this, *owner);
    }
}

}  // namespace orvane
