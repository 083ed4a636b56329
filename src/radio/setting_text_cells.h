#pragma once
// The two texts of the common settings: the clone comment (16 characters) and the
// opening text the radio shows when switched on (8 characters of its own set).

#include <array>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"

namespace orvane {

class SettingTextCells final : public CellBinding {
public:
    static constexpr std::array<CellId, 2> kCells = {cell::kCommonCOMMENT,
                                                     cell::kCommonOpeningText};

    void Evaluate(CellEvaluation& evaluation) override;
};

}  // namespace orvane
