#pragma once
// The data model's answer to every cell request: it loads the row's channel, applies the
// rules of the cell's category (rows past a bank's end, blank channels), routes the
// request to the binding of the cell identifier and reports back to the sheet and the
// main controller. Bindings are registered per identifier, so new groups of cells are
// added as bindings without touching the routing.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"
#include "radio/choice_lists.h"
#include "radio/radio_environment.h"
#include "sheet/cell_evaluator.h"

namespace orvane {

class ListOperations;
struct SheetCell;

class RadioCellEvaluator final : public CellEvaluator {
public:
    explicit RadioCellEvaluator(const RadioEnvironment& environment);
    ~RadioCellEvaluator() override;
    RadioCellEvaluator(const RadioCellEvaluator&) = delete;
    RadioCellEvaluator& operator=(const RadioCellEvaluator&) = delete;

    CellOpening EvaluateCell(CellRequest& request, Mode mode) override;

    // Routes `cellId` to `binding`, which must outlive the evaluator; a later binding
    // replaces an earlier one.
    void Bind(CellId cellId, CellBinding& binding);
    // Creates a binding owned by the evaluator for every identifier in T::kCells.
    template <typename T, typename... Args>
    T& Adopt(Args&&... args) {
        auto binding = std::make_unique<T>(std::forward<Args>(args)...);
        T& bound = *binding;
        for (CellId cellId : T::kCells) {
            Bind(cellId, bound);
        }
        owned_.push_back(std::move(binding));
        return bound;
    }
    // The handler of the popup menu's list commands; none leaves them without effect.
    void SetListOperations(ListOperations* operations) { listOperations_ = operations; }

    // The display text of a cell evaluated outside any grid (printing, tree captions).
    std::string CellText(SheetCell& cell);
    // Runs a cell outside any grid with `keyCode` and returns the evaluation result (the
    // main controller runs menu commands by link this way).
    CellOpening RunCell(SheetCell& cell, std::int32_t keyCode);

private:
    // Both return true when the request is finished.
    bool RunPopupCommand(CellEvaluation& evaluation);
    bool ApplyCategoryRules(CellEvaluation& evaluation);
    void Dispatch(CellEvaluation& evaluation);

    RadioEnvironment environment_;
    ChoiceLists lists_;
    ListOperations* listOperations_ = nullptr;
    std::array<CellBinding*, kCellCount> bindings_{};
    std::vector<std::unique_ptr<CellBinding>> owned_;
    int operationDepth_ = 0;
};

}  // namespace orvane
