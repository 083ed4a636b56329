#include "radio/channel_checks.h"

#include "image/eeprom_image.h"
#include "radio/bank_table.h"
#include "radio/channel_store.h"
#include "radio/frequency.h"
#include "radio/memory_channel.h"
#include "radio/memory_map.h"

namespace orvane {

bool ChannelChecks::Exempt(const MemoryChannel& channel, bool includeBlank) const {
    // A channel that tunes a WX channel has no frequency of its own to check.
    return (!channel.used && !includeBlank) || (options_.Wx() && channel.HasWx());
}

bool ChannelChecks::RxCheck(const MemoryChannel& channel, bool includeBlank) const {
    if (Exempt(channel, includeBlank)) {
        return false;
    }
    const Hertz rx = channel.rxHz;
    if (!kReceiveRange.Contains(rx)) {
        return true;
    }
    if (!options_.Vor()) {
        return kNavBand.Contains(rx) || (!options_.rx137Allowed && kUpperBand.Contains(rx));
    }
    return !options_.rx137Allowed && kUpperBand.Contains(rx);
}

bool ChannelChecks::TxCheck(const MemoryChannel& channel, bool includeBlank) const {
    if (Exempt(channel, includeBlank)) {
        return false;
    }
    const bool separateTx =
        kNavBand.Contains(channel.rxHz) && !channel.txInhibit && options_.DuplexVorBankModel();
    if (!separateTx) {
        return false;
    }
    return !kReceiveRange.Contains(channel.txHz) || !kComBand.Contains(channel.txHz);
}

bool ChannelChecks::DuplexCheck(const MemoryChannel& channel, bool includeBlank) const {
    if (!channel.used && !includeBlank) {
        return false;
    }
    if (options_.Wx() && channel.HasWx()) {
        return false;
    }
    const bool navToCom = kNavBand.Contains(channel.rxHz) && kComBand.Contains(channel.txHz);
    return !navToCom && channel.duplex && options_.DuplexVorBankModel();
}

bool ChannelChecks::AnyCheck(const MemoryChannel& channel, bool includeBlank) const {
    return RxCheck(channel, includeBlank) || TxCheck(channel, includeBlank) ||
           DuplexCheck(channel, includeBlank);
}

bool ChannelChecks::RangeHasErrors(int first, int last) const {
    const ChannelStore store(image_, options_.modelType);
    for (int position = first; position <= last; ++position) {
        if (AnyCheck(store.Load(MemoryChannel::kMemory, position), false)) {
            return true;
        }
    }
    return false;
}

bool ChannelChecks::BankHasErrors(int bank) const {
    const BankTable banks(image_);
    return RangeHasErrors(banks.BankFirst(bank), banks.BankLast(bank));
}

bool ChannelChecks::ListHasErrors() const {
    return RangeHasErrors(0, memory_map::kExportChannelCount - 1);
}

bool ChannelChecks::BankGap() const {
    const BankTable banks(image_);
    bool emptySeen = false;
    for (int bank = 1; bank < memory_map::kBankCount; ++bank) {
        const bool empty = banks.BankCapacity(bank) == 0;
        if (!empty && emptySeen) {
            return true;
        }
        emptySeen = emptySeen || empty;
    }
    return false;
}

}  // namespace orvane
