#pragma once
// The clone information sheet: what the radio reported about itself at the last clone
// exchange (its model, its clone comment and whether it has WX channels and VOR).

#include <array>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"
#include "radio/radio_environment.h"

namespace orvane {

class CloneInfoCells final : public CellBinding {
public:
    static constexpr std::array<CellId, 4> kCells = {cell::kCloneInfoModel, cell::kCloneInfoComment,
                                                     cell::kCloneInfoWxInh, cell::kCloneInfoVorInh};

    explicit CloneInfoCells(const RadioEnvironment& environment) : environment_(environment) {}
    void Evaluate(CellEvaluation& evaluation) override;

private:
    RadioEnvironment environment_;
};

}  // namespace orvane
