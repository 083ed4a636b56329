#pragma once
// Where the radio starts when the home key is pressed: the VFO with its own record, or
// a memory channel (a bank and a channel in it, or a position of the export list). The
// cells of the other mode show "---"; the memory channel's values are only shown.

#include <array>
#include <optional>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"
#include "radio/memory_channel.h"

namespace orvane {

class HomePositionCells final : public CellBinding {
public:
    static constexpr std::array<CellId, 8> kCells = {
        cell::kHomeMode, cell::kHomeBank,  cell::kHomeCh,     cell::kHomeWX,
        cell::kHomeFreq, cell::kHomeFreqT, cell::kHomeFreqRT, cell::kHomeDup};

    void Evaluate(CellEvaluation& evaluation) override;

private:
    static void Mode(CellEvaluation& evaluation);
    static void Bank(CellEvaluation& evaluation, bool vfoMode);
    static void Channel(CellEvaluation& evaluation, bool vfoMode);
    static void VfoFrequency(CellEvaluation& evaluation, bool rxCell);
    static void VfoDuplex(CellEvaluation& evaluation);
    // The memory channel's value as the cell shows it, read-only.
    static void ShowMemoryValue(CellEvaluation& evaluation);
    // The home memory channel when it exists and is used.
    static std::optional<MemoryChannel> PresentChannel(CellEvaluation& evaluation);
};

}  // namespace orvane
