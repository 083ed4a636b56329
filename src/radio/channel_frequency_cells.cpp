#include "radio/channel_frequency_cells.h"

#include "base/message_bus.h"
#include "radio/cell_evaluation.h"
#include "radio/channel_array.h"
#include "radio/entry_keys.h"
#include "radio/frequency.h"
#include "radio/memory_map.h"
#include "radio/notify_flags.h"
#include "radio/user_messages.h"
#include "sheet/sheet_cell.h"
#include "sheet/sheet_messages.h"

namespace orvane {
namespace {

// Keys that start a frequency: they turn the row after a bank's end into a channel.
bool StartsFrequency(std::int32_t code) {
    return code == key::kSpace || code == key::kBackspace || code == '.' || key::IsDigit(code) ||
           code == key::kEnter || code == key::kBeginEdit;
}

}  // namespace

void ChannelFrequencyCells::Evaluate(CellEvaluation& evaluation) {
    MemoryChannel& channel = evaluation.channel;
    if (channel.kind != MemoryChannel::kMemory) {
        return;
    }
    const bool rxCell = evaluation.cell.link.cellId != cell::kMchFreqT;
    bool beyond = false;
    if (rxCell && !PrepareRow(evaluation, beyond)) {
        return;
    }
    const EntryResult result =
        FrequencyEntry(evaluation.request, channel, {rxCell, false, false}, evaluation.Raster());
    evaluation.TakeEntry(result);
    if (result.changed) {
        // A channel that never had a frequency starts from the model's default channel.
        if (channel.isNew) {
            evaluation.channels.TakeDefaults(channel, false);
        }
        evaluation.StoreChannel(notify::kAllLinked);
    }

    const RadioConfiguration& options = evaluation.options;
    const bool tunesWx = options.Wx() && channel.HasWx();
    if (rxCell) {
        if (tunesWx) {
            evaluation.NotApplicable();
        }
        evaluation.SetWarning(!beyond && evaluation.checks.RxCheck(channel, false));
        return;
    }
    const bool navWithoutDuplex =
        kNavBand.Contains(channel.rxHz) && !(channel.duplex && options.duplexEnabled);
    if (tunesWx || channel.txInhibit || navWithoutDuplex) {
        evaluation.NotApplicable();
    }
    evaluation.SetWarning(evaluation.checks.TxCheck(channel, false));
}

bool ChannelFrequencyCells::PrepareRow(CellEvaluation& evaluation, bool& beyond) {
    if (!evaluation.BankMode()) {
        return true;
    }
    beyond = evaluation.BeyondBank();
    if (!beyond) {
        return true;
    }
    // The row shows another bank's channel, or none; it only takes a new one.
    evaluation.request.text.clear();
    if (!evaluation.request.fromGrid || !StartsFrequency(evaluation.Key())) {
        return false;
    }
    return AppendChannelToBank(evaluation);
}

bool ChannelFrequencyCells::AppendChannelToBank(CellEvaluation& evaluation) {
    BankTable& banks = evaluation.banks;
    CurrentBank& bank = evaluation.bank;
    if (banks.TotalCapacity() >= memory_map::kChannelCount ||
        bank.capacity >= memory_map::kMaxBankCapacity) {
        ShowErrorMessage(environment_.texts, environment_.prompter, "GI_AppMess_ChErr_Overflow");
        return false;
    }
    const int position = bank.first + bank.capacity;
    ChannelArray(evaluation.channels.Image(), evaluation.options.modelType).InsertBlank(position);
    banks.SetBankCapacity(bank.bank, bank.capacity + 1);
    bank = {bank.bank, bank.first, banks.BankLast(bank.bank), bank.capacity + 1};
    evaluation.channel = evaluation.channels.Load(MemoryChannel::kMemory, position);
    // The bank sheet grows by a row and its title counts the channels left.
    environment_.bus.Post(message::kBankSheetAppendRow, 0, 0, false);
    environment_.bus.Post(message::kBankSheetTitle, 0, 0, false);
    return true;
}

}  // namespace orvane
