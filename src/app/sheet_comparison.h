#pragma once
// Two documents compared as the user sees them: every sheet of the tree drawn for each,
// and the cells whose shown values differ, with the sheet's caption, the row's label and
// the column's title to find them by.

#include <string>
#include <vector>

#include "app/sheet_text.h"

namespace orvane {

class MainController;

struct ShownSheet {
    std::string call;     // the sheet's call text
    std::string caption;  // its tree caption
    std::vector<std::vector<ShownCell>> rows;
    int fixedRows = 0;
};

struct CellDifference {
    std::string call;
    std::string caption;
    int row = 0;
    int column = 0;
    std::string rowLabel;
    std::string columnTitle;
    std::string valueA;
    std::string valueB;
};

// Opens each sheet of the controller's tree in turn and keeps what it shows; the sheet
// that was open is closed.
std::vector<ShownSheet> ShowAllSheets(MainController& controller);

// The cells of the sheets both have whose texts differ, in tree order; a sheet only one
// of them has is one difference with an empty row label and column title.
std::vector<CellDifference> CompareShownSheets(const std::vector<ShownSheet>& a,
                                               const std::vector<ShownSheet>& b);

// "caption<TAB>row label<TAB>column title<TAB>value A<TAB>value B".
std::string DifferenceLine(const CellDifference& difference);

}  // namespace orvane
