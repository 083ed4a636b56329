#pragma once
// Reads the cell syntax of the definitions: a row text is split into cells at '|', each
// cell is an optional attribute block in braces followed by its text. The attribute
// block holds flag letters and "( ... )" attributes: presets, colours, fonts, links,
// counters, image index, popup menu and user flags.

#include <string>
#include <string_view>

#include "sheet/sheet_cell.h"
#include "sheet/sheet_counters.h"

namespace orvane {

class TextStore;
class CellVocabulary;

class CellParser {
public:
    CellParser(TextStore& textStore, CellVocabulary& vocabulary)
        : textStore_(textStore), vocabulary_(vocabulary) {}

    // Splits the first cell off `remainder` and returns what follows it. The cell is
    // reset with `parent`; unless `countOnly`, its source is then parsed into it.
    std::string_view ParseCell(SheetCell& cell, std::string_view remainder, SheetCounters* counters,
                               const SheetCell* parent, bool countOnly = false);

    // The number of cells in a row text: an empty text has none, a leading '|' makes an
    // empty first cell, a trailing '|' adds none.
    static int CountCells(std::string_view row);

private:
    // Applies flag letters and attributes: a cell's block without braces, or a preset's
    // text, `presetDepth` presets deep.
    void ApplyAttributeString(SheetCell& cell, std::string_view attributes, SheetCounters* counters,
                              int presetDepth);
    // Applies the inner text of one "( ... )" attribute.
    void ApplyAttribute(SheetCell& cell, std::string_view attribute, SheetCounters* counters,
                        int presetDepth);
    void ApplyLink(SheetCell& cell, std::string_view link, SheetCounters* counters);
    static std::string CellText(std::string_view source, SheetCounters* counters);

    TextStore& textStore_;
    CellVocabulary& vocabulary_;
};

}  // namespace orvane
