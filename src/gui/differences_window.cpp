#include "gui/differences_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "gui/dialog_support.h"

namespace orvane {

DifferencesWindow::DifferencesWindow(TextStore& texts, const std::string& otherFile,
                                     std::vector<CellDifference> differences, OpenCell openCell,
                                     QWidget* owner)
    : QDialog(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      differences_(std::move(differences)),
      openCell_(std::move(openCell)) {
    const QString other =
        QString::fromStdString(std::filesystem::path(otherFile).filename().string());
    setWindowTitle(tr("Compared with %1").arg(other));
    setFont(DialogFont(texts));

    auto* summary = new QLabel(differences_.empty()
                                   ? tr("The document and %1 show the same.").arg(other)
                                   : tr("%n cell(s) differ. Double-click a line to open its cell.",
                                        nullptr, static_cast<int>(differences_.size())),
                               this);
    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({tr("Sheet"), tr("Row"), tr("Column"), tr("This document"), other});
    for (const CellDifference& difference : differences_) {
        auto* item = new QTreeWidgetItem(list_);
        const std::string fields[] = {difference.caption, difference.rowLabel,
                                      difference.columnTitle, difference.valueA, difference.valueB};
        for (int column = 0; column < 5; ++column) {
            item->setText(column, QString::fromStdString(fields[column]));
        }
    }
    for (int column = 0; column < 5; ++column) {
        list_->resizeColumnToContents(column);
    }
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item, int) {
        openCell_(differences_[static_cast<std::size_t>(list_->indexOfTopLevelItem(item))]);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(list_);
    resize(list_->header()->length() + 4 * fontMetrics().height(), 18 * fontMetrics().height());
    if (owner != nullptr) {
        PlaceOverOwner(*this, *owner);
    }
}

}  // namespace orvane
