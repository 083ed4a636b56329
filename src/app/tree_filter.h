#pragma once
// Fits the tree of sheets to the selected model and mode: the bank branch for the models
// with banks, the single channel list for the export variant, the WX sheet where the
// model has WX channels and the expert sheet in expert mode.

#include <cstdint>

namespace orvane {

class BankTable;
class MessageBus;
class SheetTree;
class TextStore;

class TreeFilter {
public:
    TreeFilter(TextStore& texts, MessageBus& bus, const BankTable& banks)
        : texts_(texts), bus_(bus), banks_(banks) {}

    // Run whenever the data or the model changes. The bank captions and images follow
    // through queued messages, so they show once the bus is pumped.
    void Apply(SheetTree& tree, std::int32_t modelType, bool expertMode);
    // Run when the data changed under the same model: the bank captions and images follow
    // the banks' names and channels, as Apply has them follow.
    void FollowBanks();

private:
    void RebuildBankBranch(SheetTree& tree);

    TextStore& texts_;
    MessageBus& bus_;
    const BankTable& banks_;
};

}  // namespace orvane
