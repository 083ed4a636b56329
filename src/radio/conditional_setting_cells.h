#pragma once
// Settings whose list or storage depends on other values: the time-out timer (OFF only
// where the radio allows it), the weather alert (three states over two bytes) and the
// VFO scan range (VOR models only).

#include <array>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"

namespace orvane {

class ConditionalSettingCells final : public CellBinding {
public:
    static constexpr std::array<CellId, 3> kCells = {cell::kHomeTot, cell::kCommonAlert,
                                                     cell::kCommonScanVFO};

    void Evaluate(CellEvaluation& evaluation) override;

private:
    static void Tot(CellEvaluation& evaluation);
    static void Alert(CellEvaluation& evaluation);
    static void ScanVfo(CellEvaluation& evaluation);
};

}  // namespace orvane
