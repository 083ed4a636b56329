#include "gui/print_setting_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/dialog_support.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kSettingKey = "GI_Sys_Printer_Setting";
constexpr const char* kButtonsKey = "GI_AppInd_Button_OkCancel";
constexpr const char* kButtonSizeKey = "GI_AppInd_Opt_ComSel_SizeOfButtons";
constexpr int kButtonGap = 10;

QString Text(TextStore& texts, const char* key, int line) {
    return QString::fromStdString(texts.GetText(key, line));
}

}  // namespace

std::optional<int> AskPrintedFontSize(QWidget* owner, TextStore& texts, int points) {
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("printSetting"));
    dialog.setWindowTitle(Text(texts, kSettingKey, 0));
    dialog.setFont(DialogFont(texts));
    auto* sizes = new QComboBox(&dialog);
    for (int size = kSmallestPrintedPoints; size <= kLargestPrintedPoints; ++size) {
        sizes->addItem(QString::number(size - kSmallestPrintedPoints + 1));
    }
    sizes->setCurrentIndex(std::clamp(points, kSmallestPrintedPoints, kLargestPrintedPoints) -
                           kSmallestPrintedPoints);
    auto* ok = new QPushButton(Text(texts, kButtonsKey, 0), &dialog);
    auto* cancel = new QPushButton(Text(texts, kButtonsKey, 1), &dialog);
    const QFontMetrics metrics(dialog.font());
    const QSize buttonSize(metrics.horizontalAdvance(Text(texts, kButtonSizeKey, 0)),
                           2 * metrics.height());
    for (QPushButton* button : {ok, cancel}) {
        button->setFixedSize(buttonSize);
    }
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(Text(texts, kSettingKey, 1), &dialog));
    row->addWidget(sizes);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(kButtonGap);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(row);
    layout->addLayout(buttons);
    dialog.adjustSize();
    if (owner != nullptr) {
        PlaceOverOwner(dialog, *owner);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return kSmallestPrintedPoints + sizes->currentIndex();
}

}  // namespace orvane
