#pragma once
// The rows of the choice lists: they show their own text. A row of the duplex list is
// also marked when duplex would be wrong for the channel the list was opened on.

#include <array>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"

namespace orvane {

class ChoiceRowCells final : public CellBinding {
public:
    static constexpr std::array<CellId, 2> kCells = {cell::kFlex0, cell::kFlexMarking};

    void Evaluate(CellEvaluation& evaluation) override;

private:
    static void MarkDuplexRow(CellEvaluation& evaluation);
};

}  // namespace orvane
