#include "gui/differences_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "gui/dialog_support.h"

namespace orvane {
namespace {

// The lines of the window's texts.
constexpr const char* kTextsKey = "GI_Exchange_Differences";
enum TextLine {
    kTitle,
    kSame,
    kOneDiffers,
    kSomeDiffer,
    kSheetHeading,
    kRowHeading,
    kColumnHeading,
    kOursHeading,
};

}  // namespace

DifferencesWindow::DifferencesWindow(TextStore& texts, const std::string& otherFile,
                                     std::vector<CellDifference> differences, OpenCell openCell,
                                     QWidget* owner)
    : QDialog(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      differences_(std::move(differences)),
      openCell_(std::move(openCell)) {
    const std::string other = std::filesystem::path(otherFile).filename().string();
    const auto text = [&texts](int line, std::string_view value = {}) {
        return WindowText(texts, kTextsKey, line, value);
    };
    setWindowTitle(text(kTitle, other));
    setFont(DialogFont(texts));

    const std::size_t count = differences_.size();
    auto* summary = new QLabel(count == 0   ? text(kSame, other)
                               : count == 1 ? text(kOneDiffers, "1")
                                            : text(kSomeDiffer, std::to_string(count)),
                               this);
    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({text(kSheetHeading), text(kRowHeading), text(kColumnHeading),
                            text(kOursHeading), QString::fromStdString(other)});
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
