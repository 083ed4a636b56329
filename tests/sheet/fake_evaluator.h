#pragma once
// A data model stand-in for menus, toolbars and trees: it records every request and
// answers state queries from a table keyed by cell identifier.

#include <map>
#include <string>
#include <vector>

#include "sheet/cell_evaluator.h"
#include "sheet/sheet_cell.h"

namespace orvane::testing {

class FakeEvaluator final : public CellEvaluator {
public:
    struct Call {
        CellLink link;
        std::int32_t keyCode;
        Mode mode;
        std::optional<CellLink> owner;  // the link of the parent request's cell
    };
    struct Answer {
        std::uint8_t stateBits = 0;
        std::string text;
    };

    CellOpening EvaluateCell(CellRequest& request, Mode mode) override {
        calls.push_back(Call{request.cell->link, request.keyCode, mode,
                             request.parentRequest != nullptr
                                 ? std::optional<CellLink>(request.parentRequest->cell->link)
                                 : std::nullopt});
        const auto answer = answers.find(request.cell->link.cellId);
        if (answer != answers.end()) {
            request.cell->state |= answer->second.stateBits;
            request.text = answer->second.text;
        }
        return CellOpening::kNothingToOpen;
    }

    std::vector<Call> calls;
    std::map<std::int32_t, Answer> answers;
};

}  // namespace orvane::testing
