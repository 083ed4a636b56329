#include "app/sheet_comparison.h"

#include <algorithm>

#include "app/main_controller.h"
#include "sheet/definition_text.h"
#include "sheet/tree_node.h"

namespace orvane {
namespace {

const ShownCell* CellInColumn(const std::vector<ShownCell>& row, int column) {
    const auto found = std::find_if(
        row.begin(), row.end(), [column](const ShownCell& cell) { return cell.column == column; });
    return found == row.end() ? nullptr : &*found;
}

// The last text the fixed rows show above the column.
std::string ColumnTitle(const ShownSheet& sheet, int column) {
    std::string title;
    const int fixed = std::min(sheet.fixedRows, static_cast<int>(sheet.rows.size()));
    for (int row = 0; row < fixed; ++row) {
        const ShownCell* cell = CellInColumn(sheet.rows[static_cast<std::size_t>(row)], column);
        if (cell != nullptr && !TrimBlanks(cell->text).empty()) {
            title = TrimBlanks(cell->text);
        }
    }
    return title;
}

// The first text of the row left of the column: the channel number, or the setting's
// name.
std::string RowLabel(const std::vector<ShownCell>& row, int column) {
    for (const ShownCell& cell : row) {
        if (cell.column >= column) {
            break;
        }
        if (!TrimBlanks(cell.text).empty()) {
            return std::string(TrimBlanks(cell.text));
        }
    }
    return {};
}

void CompareSheet(const ShownSheet& a, const ShownSheet& b,
                  std::vector<CellDifference>& differences) {
    const std::size_t rows = std::max(a.rows.size(), b.rows.size());
    const std::vector<ShownCell> none;
    for (std::size_t row = 0; row < rows; ++row) {
        const auto& rowA = row < a.rows.size() ? a.rows[row] : none;
        const auto& rowB = row < b.rows.size() ? b.rows[row] : none;
        const auto& longer = rowA.size() >= rowB.size() ? rowA : rowB;
        for (const ShownCell& cell : longer) {
            const ShownCell* cellA = CellInColumn(rowA, cell.column);
            const ShownCell* cellB = CellInColumn(rowB, cell.column);
            const std::string valueA = cellA != nullptr ? cellA->text : "";
            const std::string valueB = cellB != nullptr ? cellB->text : "";
            if (valueA != valueB) {
                differences.push_back({a.call, a.caption, static_cast<int>(row), cell.column,
                                       RowLabel(longer, cell.column), ColumnTitle(a, cell.column),
                                       valueA, valueB});
            }
        }
    }
}

}  // namespace

std::vector<ShownSheet> ShowAllSheets(MainController& controller) {
    std::vector<ShownSheet> sheets;
    for (const std::string& call : controller.TreeSheetCalls()) {
        controller.OpenSheet(call);
        Sheet& sheet = *controller.OpenedSheet();
        const TreeNode* node = controller.Tree()->FindNodeByLinkText(call);
        sheets.push_back({call, std::string(TrimBlanks(node != nullptr ? node->text : call)),
                          SheetCells(sheet, controller.Evaluator()), sheet.FixedRowCount()});
    }
    controller.CloseSheet();
    return sheets;
}

std::vector<CellDifference> CompareShownSheets(const std::vector<ShownSheet>& a,
                                               const std::vector<ShownSheet>& b) {
    std::vector<CellDifference> differences;
    const auto findIn = [](const std::vector<ShownSheet>& sheets, const std::string& call) {
        const auto found = std::find_if(sheets.begin(), sheets.end(),
                                        [&call](const ShownSheet& s) { return s.call == call; });
        return found == sheets.end() ? nullptr : &*found;
    };
    for (const ShownSheet& sheet : a) {
        if (const ShownSheet* other = findIn(b, sheet.call)) {
            CompareSheet(sheet, *other, differences);
        } else {
            differences.push_back({sheet.call, sheet.caption, 0, 0, {}, {}, "sheet", ""});
        }
    }
    for (const ShownSheet& sheet : b) {
        if (findIn(a, sheet.call) == nullptr) {
            differences.push_back({sheet.call, sheet.caption, 0, 0, {}, {}, "", "sheet"});
        }
    }
    return differences;
}

std::string DifferenceLine(const CellDifference& difference) {
    return difference.caption + '\t' + difference.rowLabel + '\t' + difference.columnTitle + '\t' +
           difference.valueA + '\t' + difference.valueB;
}

}  // namespace orvane
