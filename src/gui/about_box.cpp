#include "gui/about_box.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "gui/dialog_support.h"
#include "text/text_store.h"

namespace orvane {

AboutBox::AboutBox(TextStore& texts, const QIcon& icon, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    constexpr int kIcon = kIconSize;
    setWindowTitle(QString::fromStdString(texts.FirstLine("GI_App_About_Caption")));
    setFont(DialogFont(texts));

    auto* image = new QLabel(this);
    image->setPixmap(icon.pixmap(kIcon, kIcon));
    image->setGeometry(kIcon / 2, kIcon / 2, kIcon, kIcon);

    // The product line sits one empty line down, level with the middle of the icon.
    auto* label =
        new QLabel("\n" + QString::fromStdString(texts.FirstLine("GI_App_About_Label_Reg")), this);
    label->setTextFormat(Qt::PlainText);
    label->adjustSize();
    label->move(image->x() + kIcon * 3 / 2, 0);

    auto* button =
        new QPushButton(QString::fromStdString(texts.FirstLine("GI_App_About_Button")), this);
    button->setDefault(true);
    button->setFixedWidth(kIcon * 5 / 2);
    button->move(label->geometry().right() + 1 + 2 * kIcon, kIcon / 4);
    // Escape rejects, Enter presses the default button: both close the box.
    connect(button, &QPushButton::clicked, this, &QDialog::accept);

    // The label's bottom sets the height; the icon and the button must not be cut off
    // where the dialog font makes the label short.
    const int lowest = std::max(
        {label->geometry().bottom(), image->geometry().bottom(), button->geometry().bottom()});
    setFixedSize(button->geometry().right() + 1 + kIcon / 4, lowest + 1 + kIcon / 2);
    if (owner != nullptr) {
        PlaceOverOwner(*this, *owner);
    }
    button->setFocus();
}

}  // namespace orvane
