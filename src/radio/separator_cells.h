#pragma once
// The grey pillars drawn between column groups: a quarter pillar fills the lower three
// tenths of its cell, a separator pillar the whole cell.

#include <array>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"

namespace orvane {

class SeparatorCells final : public CellBinding {
public:
    static constexpr std::array<CellId, 7> kCells = {
        cell::kMiscQuarterPillar,      cell::kMiscQuarterPillarSpecial,
        cell::kMiscSeparatorPillarRX,  cell::kMiscSeparatorPillarRT,
        cell::kMiscSeparatorPillarDUP, cell::kMiscSeparatorPillarName,
        cell::kMiscQuarterPillarTX};

    void Evaluate(CellEvaluation& evaluation) override;
};

}  // namespace orvane
