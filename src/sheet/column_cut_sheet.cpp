#include "sheet/column_cut_sheet.h"

namespace orvane {
namespace {

// The first data column left visible by the cut, which is where the cursor may go.
int FirstVisibleDataColumn(const RadioConfiguration& conditions) {
    if (conditions.BankMode() && !conditions.Wx()) {
        return conditions.Vor() && conditions.duplexEnabled ? 4 : 6;
    }
    return conditions.Wx() ? 3 : 6;
}

}  // namespace

void ColumnCutSheet::FillCells(const std::string& key) {
    Sheet::FillCells(key);
    for (int column = 0; column < ColumnCount(); ++column) {
        bool cut = false;
        for (int row = 0; row < RowCount() && !cut; ++row) {
            cut = IsCutCell(Slot(column, row).cell);
        }
        if (!cut) {
            continue;
        }
        SetColumnWidth(column, 0);
        SetFirstSelectableColumn(FirstVisibleDataColumn(Conditions()));
        for (int row = 0; row < RowCount(); ++row) {
            Slot(column, row).cell.state &= static_cast<std::uint8_t>(~SheetCell::kSelectable);
        }
    }
}

bool ColumnCutSheet::IsCutCell(const SheetCell&) const { return false; }

}  // namespace orvane
