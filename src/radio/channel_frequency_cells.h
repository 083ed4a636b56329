#pragma once
// The RX, TX and combined RX/TX frequency cells of a memory channel. Typing into the
// frequency cell of the row after a bank's end first gives the bank a new channel.

#include <array>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"
#include "radio/radio_environment.h"

namespace orvane {

class ChannelFrequencyCells final : public CellBinding {
public:
    static constexpr std::array<CellId, 3> kCells = {cell::kMchFreq, cell::kMchFreqT,
                                                     cell::kMchFreqRT};

    explicit ChannelFrequencyCells(const RadioEnvironment& environment)
        : environment_(environment) {}
    void Evaluate(CellEvaluation& evaluation) override;

private:
    // False when the row has no channel to edit (nothing to show, or no room for one).
    bool PrepareRow(CellEvaluation& evaluation, bool& beyond);
    bool AppendChannelToBank(CellEvaluation& evaluation);

    RadioEnvironment environment_;
};

}  // namespace orvane
