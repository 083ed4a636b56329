#pragma once
// The sheet-wide options of a definition's style line.

#include <optional>
#include <string>

#include "platform/font_description.h"
#include "sheet/colour_table.h"

namespace orvane {

enum class MultiSelectMode { Off = 0, Cell = 1, Line = 2 };

struct SheetStyle {
    std::string title;  // no title bar when empty
    Colour titleColour = colour::kGrayText;
    std::optional<FontDescription> titleFont;
    int fixedColumns = 0;
    int fixedRows = 0;
    bool noPrint = false;
    int printFontRatio = 100;
    MultiSelectMode multiSelect = MultiSelectMode::Off;
    bool columnSizing = false;
    bool colorSelectLine = false;
};

// Where the user left a sheet; -1 when unknown.
struct SheetPosition {
    int column = -1;
    int row = -1;
    int leftColumn = -1;
    int topRow = -1;
};

}  // namespace orvane
