#include "gui/message_box_prompter.h"

#include <QMessageBox>

namespace orvane {
namespace {

QMessageBox::Icon IconOf(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Error:
            return QMessageBox::Critical;
        case PromptIcon::Warning:
            return QMessageBox::Warning;
        case PromptIcon::Question:
            return QMessageBox::Question;
        case PromptIcon::Information:
            break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons ButtonsOf(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case PromptButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case PromptButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case PromptButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

}  // namespace

PromptAnswer MessageBoxPrompter::Ask(const Prompt& prompt) {
    if (parent_ != nullptr && !parent_->isVisible()) {
        parent_->show();
    }
    QMessageBox box(IconOf(prompt.icon), QString::fromStdString(prompt.caption),
                    QString::fromStdString(prompt.text), ButtonsOf(prompt.buttons), parent_);
    switch (box.exec()) {
        case QMessageBox::Ok:
            return PromptAnswer::Ok;
        case QMessageBox::Yes:
            return PromptAnswer::Yes;
        case QMessageBox::No:
            return PromptAnswer::No;
        default:
            return PromptAnswer::Cancel;
    }
}

}  // namespace orvane
