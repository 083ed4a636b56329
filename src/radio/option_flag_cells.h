#pragma once
// The common settings that are also option flags of the program: the cell shows the
// flag, and a change writes the image byte and sets the flag, so the sheets follow at
// once.

#include <array>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"
#include "radio/radio_environment.h"

namespace orvane {

class OptionFlagCells final : public CellBinding {
public:
    static constexpr std::array<CellId, 5> kCells = {cell::kCommonIndicationMode,
                                                     cell::kCommonVFOMode, cell::kCommonDuplex,
                                                     cell::kCommonLIGHTKey, cell::kCommonChSpacing};

    explicit OptionFlagCells(const RadioEnvironment& environment) : environment_(environment) {}
    void Evaluate(CellEvaluation& evaluation) override;

private:
    RadioEnvironment environment_;
};

}  // namespace orvane
