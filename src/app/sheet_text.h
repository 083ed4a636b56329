#pragma once
// The tree of sheets and a sheet written out as plain text lines, for showing the data
// without a display: what the tree and the grid show, with their error and warning marks
// written " [x]" and " [!]".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/colour_table.h"

namespace orvane {

class CellEvaluator;
class Sheet;
class SheetTree;
struct SheetCell;
struct TreeNode;

// One line per node in tree order, collapsed branches included: the caption indented
// two blanks per level, then the node's mark.
std::vector<std::string> TreeOutline(const SheetTree& tree);

// The node a user names: "Bank N" (N 0..9) for the node of bank N whatever its caption,
// else the first node whose caption matches ignoring case and surrounding blanks, else
// the node whose call text is `name`; null when none does.
TreeNode* FindNamedNode(SheetTree& tree, std::string_view name);

// What the data model draws in `cell` of the built `sheet`: a label's own text, or a
// linked cell's text with its marks and the text colour it asks for.
struct DrawnCell {
    std::string text;
    bool error = false;
    bool warning = false;
    std::optional<Colour> textColour;
};
DrawnCell DrawCell(Sheet& sheet, SheetCell& cell, CellEvaluator& evaluator);

// A cell on screen: its grid column and its text as SheetRowTexts writes it.
struct ShownCell {
    int column = 0;
    std::string text;
};
// Each row of the built `sheet` as the cells on screen, by the rules of SheetRowTexts.
std::vector<std::vector<ShownCell>> SheetCells(Sheet& sheet, CellEvaluator& evaluator);

// One line per row of the built `sheet`, its cells on screen joined by tabs: a label's
// own text, a linked cell's text as the data model draws it followed by its mark. A span
// shows its owner's text in its first column on screen and nothing in the others.
// Columns the sheet cut to zero width are left out, as on screen; line breaks inside a
// cell become blanks.
std::vector<std::string> SheetRowTexts(Sheet& sheet, CellEvaluator& evaluator);

}  // namespace orvane
