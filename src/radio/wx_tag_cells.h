#pragma once
// The scan tags of the ten WX channels, one bit each in their flag bytes.

#include <array>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"

namespace orvane {

class WxTagCells final : public CellBinding {
public:
    static constexpr std::array<CellId, 1> kCells = {cell::kWxChTag};

    void Evaluate(CellEvaluation& evaluation) override;
};

}  // namespace orvane
