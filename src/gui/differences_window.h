#pragma once
// The list of the cells in which the document differs from another file (File >
// Compare With...): a line per cell with the sheet, the row, the column and both values.
// Activating a line opens that cell in the document.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "app/sheet_comparison.h"

class QTreeWidget;

namespace orvane {

class TextStore;

class DifferencesWindow final : public QDialog {
    Q_OBJECT

public:
    using OpenCell = std::function<void(const CellDifference&)>;

    DifferencesWindow(TextStore& texts, const std::string& otherFile,
                      std::vector<CellDifference> differences, OpenCell openCell, QWidget* owner);

    QTreeWidget* List() const { return list_; }

private:
    std::vector<CellDifference> differences_;
    OpenCell openCell_;
    QTreeWidget* list_ = nullptr;
};

}  // namespace orvane
