#pragma once
// The other fields of a memory channel: duplex, TX inhibit, name, WX channel and scan
// tag.

#include <array>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"

namespace orvane {

class ChannelFieldCells final : public CellBinding {
public:
    static constexpr std::array<CellId, 5> kCells = {cell::kMchDup, cell::kMchTxInhibit,
                                                     cell::kMchName, cell::kMchWxCh, cell::kMchTag};

    void Evaluate(CellEvaluation& evaluation) override;

private:
    static void Duplex(CellEvaluation& evaluation);
    static void TxInhibit(CellEvaluation& evaluation);
    static void Name(CellEvaluation& evaluation);
    static void WxChannel(CellEvaluation& evaluation);
    static void Tag(CellEvaluation& evaluation);
};
}  // namespace orvane
