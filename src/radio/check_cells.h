#pragma once
// The check cells the main controller evaluates to mark the tree: the bank table, the
// channel lists and the home settings. They only set marks.

#include <array>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"

namespace orvane {

class CheckCells final : public CellBinding {
public:
    static constexpr std::array<CellId, 13> kCells = {
        cell::kCheckBankOp,        cell::kCheckMemoryCH,      cell::kCheckMemoryCH0,
        cell::kCheckMemoryCH0 + 1, cell::kCheckMemoryCH0 + 2, cell::kCheckMemoryCH0 + 3,
        cell::kCheckMemoryCH0 + 4, cell::kCheckMemoryCH0 + 5, cell::kCheckMemoryCH0 + 6,
        cell::kCheckMemoryCH0 + 7, cell::kCheckMemoryCH0 + 8, cell::kCheckMemoryCH0 + 9,
        cell::kCheckHome};

    void Evaluate(CellEvaluation& evaluation) override;

private:
    static void CheckHome(CellEvaluation& evaluation);
};

}  // namespace orvane
