#pragma once
// The home and common settings that are one byte (or one bit of the lock byte) of the
// image, chosen from a list: each cell's address, list, the refresh it raises on a
// change and when it is painted as not applicable.

#include <array>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"

namespace orvane {

class SettingByteCells final : public CellBinding {
public:
    static constexpr std::array<CellId, 26> kCells = {
        cell::kHomeSqlLevel,        cell::kHomeSideLevel,       cell::kHomeANL,
        cell::kHomeBeepLevel,       cell::kHomeAlert,           cell::kHomeMicSens,
        cell::kHomeIntMic,          cell::kHomeVOXLevel,        cell::kHomeVOXDelay,
        cell::kCommonBatteryPack,   cell::kCommonBatterySelect, cell::kCommonMemoryWrite,
        cell::kCommonBankNameWrite, cell::kCommonVFOTx,         cell::kCommonScan,
        cell::kCommonSetMode,       cell::kCommonHome,          cell::kCommonEMR,
        cell::kCommonBATTCheck,     cell::kCommonAdjustMode,    cell::kCommonDisplayMode,
        cell::kCommonScanMR,        cell::kCommonLIGHTLock,     cell::kCommonPTTLock,
        cell::kCommonSQLLock,       cell::kCommonVOLLock};

    void Evaluate(CellEvaluation& evaluation) override;
};

}  // namespace orvane
