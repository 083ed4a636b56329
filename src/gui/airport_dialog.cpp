#include "gui/airport_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <filesystem>

#include "gui/dialog_support.h"
#include "gui/file_chooser.h"
#include "platform/prompter.h"
#include "text/text_store.h"

namespace orvane {
namespace {

// The lines of the dialog's texts.
constexpr const char* kTextsKey = "GI_Exchange_AirportDialog";
enum TextLine {
    kTitle,
    kTableLabel,
    kBrowse,
    kCodesLabel,
    kBankLabel,
    kNote,
    kFilter,
    kNoTable,
    kNoCodes,
};

}  // namespace

AirportDialog::AirportDialog(TextStore& texts, Prompter& prompter, const AirportChoice& preset,
                             QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      texts_(texts),
      prompter_(prompter),
      bankMode_(preset.bankMode) {
    setWindowTitle(WindowText(texts, kTextsKey, kTitle));
    setFont(DialogFont(texts));

    table_ = new QLineEdit(QString::fromStdString(preset.table), this);
    table_->setMinimumWidth(table_->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 28);
    auto* browse = new QPushButton(WindowText(texts, kTextsKey, kBrowse), this);
    connect(browse, &QPushButton::clicked, this, &AirportDialog::Browse);
    auto* tableRow = new QHBoxLayout;
    tableRow->addWidget(table_);
    tableRow->addWidget(browse);

    codes_ = new QLineEdit(QString::fromStdString(preset.icaoCodes), this);
    codes_->setPlaceholderText(QStringLiteral("EDDF EDFE"));
    bank_ = new QSpinBox(this);
    bank_->setRange(0, 9);
    bank_->setValue(preset.bank);
    bank_->setEnabled(preset.bankMode);

    auto* form = new QFormLayout;
    auto* tableLabel = new QLabel(WindowText(texts, kTextsKey, kTableLabel), this);
    tableLabel->setBuddy(table_);
    form->addRow(tableLabel, tableRow);
    form->addRow(WindowText(texts, kTextsKey, kCodesLabel), codes_);
    form->addRow(WindowText(texts, kTextsKey, kBankLabel), bank_);
    auto* note = new QLabel(WindowText(texts, kTextsKey, kNote), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    adjustSize();
    if (owner != nullptr) {
        PlaceOverOwner(*this, *owner);
    }
    (preset.table.empty() ? table_ : codes_)->setFocus();
}

AirportChoice AirportDialog::Choice() const {
    return {table_->text().trimmed().toStdString(), codes_->text().toStdString(), bank_->value(),
            bankMode_};
}

void AirportDialog::Browse() {
    FileChooserRequest request;
    request.filter = texts_.GetText(kTextsKey, kFilter);
    const std::filesystem::path current(table_->text().trimmed().toStdString());
    request.initialDirectory = current.parent_path().string();
    request.fileName = current.filename().string();
    if (const auto path = ChooseFileWithDialog(this, request, texts_, prompter_)) {
        table_->setText(QString::fromStdString(*path));
    }
}

void AirportDialog::accept() {
    QWidget* missing = table_->text().trimmed().isEmpty()   ? table_
                       : codes_->text().trimmed().isEmpty() ? codes_
                                                            : nullptr;
    if (missing == nullptr) {
        QDialog::accept();
        return;
    }
    prompter_.Ask({texts_.FirstLine("GI_Sys_AppTitle"),
                   texts_.GetText(kTextsKey, missing == table_ ? kNoTable : kNoCodes),
                   PromptIcon::Error, PromptButtons::Ok});
    missing->setFocus();
}

}  // namespace orvane
