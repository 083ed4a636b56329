#include "app/sheet_text.h"

#include <optional>

#include "base/ascii_case.h"
#include "sheet/cell_evaluator.h"
#include "sheet/cell_request.h"
#include "sheet/definition_text.h"
#include "sheet/sheet.h"
#include "sheet/sheet_tree.h"
#include "sheet/tree_node.h"

namespace orvane {
namespace {

constexpr std::string_view kBankWord = "Bank";

// An error outranks a warning, as on screen.
std::string_view MarkText(bool error, bool warning) {
    return error ? " [x]" : warning ? " [!]" : "";
}

void AddOutline(const TreeNode& node, int depth, std::vector<std::string>& lines) {
    std::string line(static_cast<std::size_t>(depth) * 2, ' ');
    line += node.text;
    line += MarkText(node.overlay == SheetTree::kErrorOverlay,
                     node.overlay == SheetTree::kWarningOverlay);
    lines.push_back(std::move(line));
    for (const auto& child : node.children) {
        AddOutline(*child, depth + 1, lines);
    }
}

// The bank of a name "Bank N" in any case, with any blanks between the word and the
// single digit.
std::optional<int> NamedBank(std::string_view name) {
    if (name.size() < kBankWord.size() + 2 ||
        !EqualIgnoringAsciiCase(name.substr(0, kBankWord.size()), kBankWord)) {
        return std::nullopt;
    }
    const std::string_view rest = name.substr(kBankWord.size());
    const std::string_view digit = SkipBlanks(rest);
    if (digit.size() != 1 || digit.size() == rest.size() || digit[0] < '0' || digit[0] > '9') {
        return std::nullopt;
    }
    return digit[0] - '0';
}

TreeNode* FindByCaption(const std::vector<std::unique_ptr<TreeNode>>& nodes,
                        std::string_view caption) {
    for (const auto& node : nodes) {
        if (EqualIgnoringAsciiCase(TrimBlanks(node->text), caption)) {
            return node.get();
        }
        if (TreeNode* found = FindByCaption(node->children, caption)) {
            return found;
        }
    }
    return nullptr;
}

std::string OnOneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r' || c == '\t') {
            c = ' ';
        }
    }
    return text;
}

std::string DrawnText(Sheet& sheet, SheetCell& cell, CellEvaluator& evaluator) {
    const DrawnCell drawn = DrawCell(sheet, cell, evaluator);
    std::string text = OnOneLine(drawn.text);
    text += MarkText(drawn.error, drawn.warning);
    return text;
}

// A span shows its owner's text once, in its first column on screen: the owner's own
// column, or the first covered one when a cut hides the owner's.
std::vector<ShownCell> RowCells(Sheet& sheet, int row, CellEvaluator& evaluator) {
    std::vector<ShownCell> cells;
    SheetCell* owner = nullptr;
    bool ownerShown = false;
    for (int column = 0; column < sheet.ColumnCount(); ++column) {
        SheetCell& cell = sheet.CellAt(column, row);
        if (!cell.IsCovered()) {
            owner = &cell;
            ownerShown = false;
        }
        if (sheet.ColumnWidth(column) == 0) {
            continue;
        }
        cells.push_back({column, {}});
        if (owner != nullptr && !ownerShown) {
            cells.back().text = DrawnText(sheet, *owner, evaluator);
            ownerShown = true;
        }
    }
    return cells;
}

}  // namespace

std::vector<std::string> TreeOutline(const SheetTree& tree) {
    std::vector<std::string> lines;
    for (const auto& top : tree.TopNodes()) {
        AddOutline(*top, 0, lines);
    }
    return lines;
}

TreeNode* FindNamedNode(SheetTree& tree, std::string_view name) {
    name = TrimBlanks(name);
    if (const std::optional<int> bank = NamedBank(name)) {
        if (TreeNode* node = tree.FindBankNode(*bank)) {
            return node;
        }
    }
    if (TreeNode* node = FindByCaption(tree.TopNodes(), name)) {
        return node;
    }
    return tree.FindNodeByLinkText(name);
}

DrawnCell DrawCell(Sheet& sheet, SheetCell& cell, CellEvaluator& evaluator) {
    if (cell.IsLabel()) {
        DrawnCell label;
        label.text = cell.text;
        return label;
    }
    CellRequest request;
    request.cell = &cell;
    request.sheet = &sheet;
    request.callText = sheet.CallText();
    request.parameter = sheet.Parameter();
    evaluator.EvaluateCell(request, CellEvaluator::kDraw);
    return DrawnCell{std::move(request.text), (request.flags & CellRequest::kError) != 0,
                     (request.flags & CellRequest::kWarning) != 0, request.textColour};
}

std::vector<std::vector<ShownCell>> SheetCells(Sheet& sheet, CellEvaluator& evaluator) {
    std::vector<std::vector<ShownCell>> rows;
    rows.reserve(static_cast<std::size_t>(sheet.RowCount()));
    for (int row = 0; row < sheet.RowCount(); ++row) {
        rows.push_back(RowCells(sheet, row, evaluator));
    }
    return rows;
}

std::vector<std::string> SheetRowTexts(Sheet& sheet, CellEvaluator& evaluator) {
    std::vector<std::string> lines;
    for (const std::vector<ShownCell>& row : SheetCells(sheet, evaluator)) {
        std::string line;
        for (const ShownCell& cell : row) {
            line += (&cell == &row.front() ? "" : "\t") + cell.text;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace orvane
