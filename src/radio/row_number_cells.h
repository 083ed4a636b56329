#pragma once
// The row-number cells of the channel sheets: the row's index, index + 1, or the
// channel number ("bank-number" in bank mode, "New" on the row after a bank's end).

#include <array>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"

namespace orvane {

class TextStore;

class RowNumberCells final : public CellBinding {
public:
    static constexpr std::array<CellId, 3> kCells = {cell::kMiscChNo0Base, cell::kMiscChNo1Base,
                                                     cell::kMiscChNo8264Only};

    explicit RowNumberCells(TextStore& texts) : texts_(texts) {}
    void Evaluate(CellEvaluation& evaluation) override;

private:
    TextStore& texts_;
};

}  // namespace orvane
