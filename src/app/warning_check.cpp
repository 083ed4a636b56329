#include "app/warning_check.h"

#include "sheet/cell_evaluator.h"
#include "sheet/cell_parser.h"
#include "sheet/cell_request.h"
#include "sheet/definition_text.h"
#include "sheet/sheet_cell.h"
#include "sheet/sheet_tree.h"
#include "sheet/tree_node.h"

namespace orvane {
namespace {

// One line per check: a check cell whose link text is the call text of the sheet it
// checks.
constexpr std::string_view kCheckListKey = "GI_WarningCheckList";

}  // namespace

WarningFindings WarningCheck::RunWarningCheck(SheetTree* tree, int* errors, int* warnings) {
    WarningFindings findings;
    CellParser parser(texts_, vocabulary_);
    for (const std::string& line : BodyLines(texts_, kCheckListKey)) {
        SheetCell cell;
        parser.ParseCell(cell, line, nullptr, nullptr);
        if (cell.IsLabel()) {
            continue;
        }
        CellRequest request;
        request.cell = &cell;
        evaluator_.EvaluateCell(request, CellEvaluator::kDraw);
        if ((request.flags & CellRequest::kError) != 0) {
            findings.errorSheets.emplace_back(cell.LinkText());
        } else if ((request.flags & CellRequest::kWarning) != 0) {
            findings.warningSheets.emplace_back(cell.LinkText());
        }
    }
    if (errors != nullptr) {
        *errors += static_cast<int>(findings.errorSheets.size());
    }
    if (warnings != nullptr) {
        *warnings += static_cast<int>(findings.warningSheets.size());
    }
    if (tree != nullptr) {
        tree->MarkSheets(findings.warningSheets, findings.errorSheets);
    }
    return findings;
}

}  // namespace orvane
