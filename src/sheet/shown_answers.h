#pragma once
// What the data model answered for each cell when the grid last painted it. A refresh
// asks again and repaints only the cells whose answer differs: storing one channel asks
// for every linked cell, and nearly all of them show what they showed before.

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

#include "sheet/cell_request.h"
#include "sheet/colour_table.h"

namespace orvane {

struct SheetCell;

// Everything of a drawing answer that decides the pixels of the cell (see the drawing
// contract in cell_request.h), with the text as drawn.
struct ShownAnswer {
    std::string text;
    std::optional<Colour> textColour;
    std::uint32_t marks = 0;  // the request's warning and error flags
    MarkPosition markPosition = MarkPosition::kDefault;
    Colour fillColour = 0;
    std::int32_t fillTenths = 0;
    std::uint8_t layout = 0;  // the data model may change the cell's alignment

    static ShownAnswer Of(const CellRequest& answer, const std::string& drawnText,
                          const SheetCell& cell);
    bool operator==(const ShownAnswer&) const = default;
};

class ShownAnswers {
public:
    void Record(int column, int row, ShownAnswer answer);
    // A cell whose pixels no longer all come from its recorded answer.
    void Forget(int column, int row);
    // False for a cell never painted, or forgotten.
    bool Shows(int column, int row, const ShownAnswer& answer) const;

private:
    static std::uint64_t Key(int column, int row);

    std::unordered_map<std::uint64_t, ShownAnswer> answers_;
};

}  // namespace orvane
