#pragma once
// A data model stand-in for drawing: it answers each cell identifier with a fixed text,
// marks, colours and fill, and records the requests it saw.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sheet/cell_evaluator.h"
#include "sheet/sheet_cell.h"

namespace orvane::testing {

class DrawingEvaluator final : public CellEvaluator {
public:
    struct Answer {
        std::string text;
        std::uint32_t flags = 0;
        MarkPosition markPosition = MarkPosition::kDefault;
        std::optional<Colour> textColour;
        std::int32_t fillTenths = 0;
        Colour fillColour = 0;
    };
    struct Seen {
        CellLink link;
        std::uint32_t flags;
        Mode mode;
    };

    CellOpening EvaluateCell(CellRequest& request, Mode mode) override {
        seen.push_back({request.cell->link, request.flags, mode});
        const auto answer = answers.find(request.cell->link.cellId);
        if (answer != answers.end()) {
            request.text = answer->second.text;
            request.flags |= answer->second.flags;
            request.markPosition = answer->second.markPosition;
            request.textColour = answer->second.textColour;
            request.fillTenths = answer->second.fillTenths;
            request.fillColour = answer->second.fillColour;
        }
        return CellOpening::kNothingToOpen;
    }

    std::map<std::int32_t, Answer> answers;
    std::vector<Seen> seen;
};

}  // namespace orvane::testing
