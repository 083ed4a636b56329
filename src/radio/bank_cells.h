#pragma once
// The bank table: each bank's capacity (with totals), its used channels and its name.
// Changing a capacity inserts blank channels at the bank's end or removes blank ones.

#include <array>

#include "image/image_layout.h"
#include "radio/cell_binding.h"
#include "radio/cell_ids.h"
#include "radio/radio_environment.h"

namespace orvane {

class BankCells final : public CellBinding {
public:
    static constexpr std::array<CellId, 3> kCells = {cell::kMchBank, cell::kMchUsedCHs,
                                                     cell::kBankName};
    // The rows after the ten banks.
    static constexpr int kTotalRow = kBankCount;
    static constexpr int kRemainRow = kTotalRow + 1;

    explicit BankCells(const RadioEnvironment& environment) : environment_(environment) {}
    void Evaluate(CellEvaluation& evaluation) override;

private:
    void Capacity(CellEvaluation& evaluation, int bank);
    // The change of capacity the user asked for, cut to what the banks allow, with a
    // message when it had to be cut.
    int LimitedChange(int capacity, int typed, int free, int trailingBlanks);
    static void UsedChannels(CellEvaluation& evaluation, int bank);
    void Name(CellEvaluation& evaluation, int bank);
    static int TrailingBlanks(CellEvaluation& evaluation, int bank);
    static void Resize(CellEvaluation& evaluation, int bank, int change);

    RadioEnvironment environment_;
};

}  // namespace orvane
