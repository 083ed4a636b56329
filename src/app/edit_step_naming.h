#pragma once
// What the edit history calls a step and where it puts the cursor back: the command's
// caption for a menu command, the edited cell's column title (else its row's label) for
// an edit in a sheet, and the grid cell the step acted on.

#include <optional>
#include <string>

#include "sheet/sheet_style.h"

namespace orvane {

class Sheet;
struct CellRequest;

// The cell of `sheet` that `request` acted on (for a popup menu's command: the cell the
// menu was opened on), with the sheet's scroll position; none when it is not in `sheet`.
std::optional<SheetPosition> ActedCellPosition(const CellRequest& request, const Sheet& sheet);

// "Paste" for the popup menu's Paste, "RX" for a cell under the column title "RX", "Read
// <- TR" for the menu item "&Read <- TR".
std::string StepName(const CellRequest& request, const Sheet* sheet);

}  // namespace orvane
