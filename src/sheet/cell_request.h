#pragma once
// The one record exchanged with the data model for a cell: drawing it, a key pressed on
// it, text committed into it, or a menu command chosen for it. The caller fills the
// inputs, the data model answers in the outputs.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "sheet/cell_link.h"
#include "sheet/colour_table.h"

namespace orvane {

class Sheet;
struct SheetCell;

// Where a request's text comes from; without an origin the text is only an answer.
enum class TextOrigin : std::int32_t {
    kNone = 0,
    kEditor = 1,  // committed from the in-place editor
    kChoice = 2,  // chosen in a choice popup
};

// Where a cell's warning or error mark is drawn.
enum class MarkPosition : std::int32_t {
    kDefault = 0,  // kLeft for right-aligned cells, kRight for the others
    kLeft = 1,
    kRight = 3,  // at the cell's right, or right after a shorter text
};

struct CellRequest {
    // flags
    static constexpr std::uint32_t kCurrent = 0x01;   // in: the cell is current or selected
    static constexpr std::uint32_t kPrinting = 0x02;  // in
    static constexpr std::uint32_t kWarning = 0x04;   // out: warning mark
    static constexpr std::uint32_t kError = 0x08;     // out: error mark
    // selectionFlags
    static constexpr std::uint32_t kRangeActive = 0x01;  // in: rows rangeFrom..rangeTo marked
    static constexpr std::uint32_t kSelectRange = 0x02;  // out: select rangeFrom..rangeTo

    // The request of the cell on which a popup menu or choice list was opened; the
    // record it points to outlives this one.
    const CellRequest* parentRequest = nullptr;
    SheetCell* cell = nullptr;
    // Keys are acted on only for requests from a grid, not for printing, tree captions
    // or checks.
    bool fromGrid = false;
    std::int32_t keyCode = 0;
    std::int32_t commandId = 0;
    std::int32_t selStart = 0;
    std::int32_t selLength = 0;
    std::string text;
    std::string callText;
    std::string parameter;
    std::uint32_t flags = 0;
    MarkPosition markPosition = MarkPosition::kDefault;
    TextOrigin textOrigin = TextOrigin::kNone;
    bool moveRequested = false;
    CellLink moveTo;
    std::int32_t repeatKey = 0;
    Sheet* sheet = nullptr;
    std::int32_t rangeFrom = 0;
    std::int32_t rangeTo = 0;
    std::uint32_t selectionFlags = 0;
    // Invalidates the cells the mask selects (see the sheet's refresh rules).
    std::function<void(const CellRequest&, std::uint32_t mask)> refresh;
    // Opens the in-place editor on the request's cell unless `suppress`.
    std::function<void(const CellRequest&, bool suppress)> startEdit;
    // Opens the choice popup of list `listKey` under the request's cell, its cursor on
    // the row linked as `focus`.
    std::function<void(const CellRequest&, const std::string& listKey, const CellLink& focus)>
        openChoice;

    // Drawing (mode kDraw). The cell painter sends kCurrent when the cell is drawn
    // selected and kPrinting on paper, and relies on exactly these answers:
    //  - text: what the cell shows, line breaks included; empty is drawn as one blank,
    //    so the marks still appear.
    //  - flags kWarning / kError: the warning mark (image 4) or the error mark (image 5,
    //    which wins when both are set).
    //  - markPosition: where the mark goes (see MarkPosition).
    //  - the horizontal alignment in cell->layout, which the data model may change for
    //    the value it shows (a centred "<-" for a TX frequency equal to RX).
    //  - textColour: a text colour in place of the font's (read-only and not-applicable
    //    cells), on screen only; a highlighted cell keeps its highlight text colour and
    //    printed text is black (white on the dark grey).
    //  - fillColour over the lower `fillTenths` tenths of the cell (10 = all of it, 0 =
    //    none; the separators between column groups), painted over the background and
    //    under the rules, text and marks.
    // Nothing else the data model sets is read while drawing.
    std::optional<Colour> textColour;
    Colour fillColour = 0;
    std::int32_t fillTenths = 0;
};

}  // namespace orvane
