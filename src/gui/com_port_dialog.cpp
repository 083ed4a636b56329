#include "gui/com_port_dialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/com_port_entry.h"
#include "gui/dialog_support.h"
#include "platform/prompter.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr int kMaxEntryLength = 4;

QString Text(TextStore& texts, const char* key, int line = 0) {
    return QString::fromStdString(texts.GetText(key, line));
}

}  // namespace

ComPortDialog::ComPortDialog(TextStore& texts, Prompter& prompter, int current, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      texts_(texts),
      prompter_(prompter),
      port_(current) {
    setWindowTitle(Text(texts, "GI_AppInd_Opt_ComSel_Caption"));
    setFont(DialogFont(texts));
    const QFontMetrics metrics(font());
    const int textHeight = metrics.height();

    auto* label = new QLabel(Text(texts, "GI_AppInd_Opt_ComSel_Notice"), this);
    label->setTextFormat(Qt::PlainText);
    label->adjustSize();
    label->move(textHeight, textHeight);

    edit_ = new QLineEdit(QString::number(current), this);
    edit_->setMaxLength(kMaxEntryLength);
    edit_->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit_->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("255WWWW")));
    edit_->move(label->x() + metrics.horizontalAdvance(QStringLiteral("WW")),
                label->geometry().bottom() + 1 + textHeight / 2);

    const QSize buttonSize(
        metrics.horizontalAdvance(Text(texts, "GI_AppInd_Opt_ComSel_SizeOfButtons")),
        2 * textHeight);
    const int buttonTop = edit_->y() + 4 * edit_->sizeHint().height();
    auto* cancel = new QPushButton(Text(texts, "GI_AppInd_Opt_ComSel_Buttons", 1), this);
    cancel->setFixedSize(buttonSize);
    cancel->move(label->geometry().right() + 1 - buttonSize.width(), buttonTop);
    auto* ok = new QPushButton(Text(texts, "GI_AppInd_Opt_ComSel_Buttons", 0), this);
    ok->setFixedSize(buttonSize);
    ok->move(cancel->x() - buttonSize.height() / 2 - buttonSize.width(), buttonTop);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(label->width() + 2 * textHeight, buttonTop + buttonSize.height() * 3 / 2);
    if (owner != nullptr) {
        PlaceOverOwner(*this, *owner);
    }
    edit_->selectAll();
    edit_->setFocus();
}

void ComPortDialog::accept() {
    const std::optional<std::int32_t> port =
        ComPortFromEntry(edit_->text().trimmed().toStdString());
    if (!port) {
        Prompt prompt;
        prompt.caption = texts_.FirstLine("GI_Sys_AppTitle");
        prompt.text = texts_.FirstLine("GI_AppInd_Opt_ComSel_OutofRange");
        prompt.icon = PromptIcon::Error;
        prompt.buttons = PromptButtons::Ok;
        prompter_.Ask(prompt);
        edit_->setFocus();
        edit_->selectAll();
        return;
    }
    port_ = *port;
    QDialog::accept();
}

}  // namespace orvane
