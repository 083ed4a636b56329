#include "exchange/channel_appender.h"

#include "radio/bank_channel_requests.h"
#include "radio/bank_table.h"
#include "radio/channel_array.h"
#include "radio/channel_checks.h"
#include "radio/frequency_entry.h"
#include "radio/memory_map.h"
#include "radio/name_codec.h"
#include "sheet/cell_request.h"

namespace orvane {
namespace {

// The entry a frequency cell gets when text is committed into it.
bool TypeFrequency(const std::string& text, MemoryChannel& channel, bool rxCell,
                   const RadioConfiguration& options) {
    CellRequest request;
    request.textOrigin = TextOrigin::kEditor;
    request.text = text;
    return FrequencyEntry(request, channel, {rxCell, false, false},
                          {options.channelSpacing, options.spacing833Allowed})
        .changed;
}

}  // namespace

ChannelAppender::ChannelAppender(EepromImage& image, const RadioConfiguration& options)
    : image_(image), options_(options), store_(image, options.modelType) {}

std::optional<int> ChannelAppender::FreePosition(int bank) const {
    const BankTable banks(image_);
    const bool bankMode = options_.BankMode();
    if (bankMode && !BankTable::IsBank(bank)) {
        return std::nullopt;
    }
    const int first = bankMode ? banks.BankFirst(bank) : 0;
    const int end = bankMode ? first + banks.BankCapacity(bank) : memory_map::kExportChannelCount;
    const ChannelArray channels(image_, options_.modelType);
    int position = end;
    while (position > first && !channels.IsUsed(position - 1)) {
        --position;
    }
    if (position < end) {
        return position;
    }
    const bool room = bankMode && banks.TotalCapacity() < memory_map::kChannelCount &&
                      banks.BankCapacity(bank) < memory_map::kMaxBankCapacity;
    return room ? std::optional(end) : std::nullopt;
}

bool ChannelAppender::Holds(const MemoryChannel& channel, int bank) const {
    const BankTable banks(image_);
    const int first = options_.BankMode() ? banks.BankFirst(bank) : 0;
    const int end =
        options_.BankMode() ? first + banks.BankCapacity(bank) : memory_map::kExportChannelCount;
    // Eight dashes and blanks are both no name.
    const auto nameOf = [](const MemoryChannel& any) {
        std::string name = UnpackName(any.name, any.dotMask);
        NormaliseName(name, kChannelNameRules);
        return name;
    };
    const auto same = [&channel, &nameOf](const MemoryChannel& held) {
        return held.used && held.rxHz == channel.rxHz && held.txHz == channel.txHz &&
               nameOf(held) == nameOf(channel) && held.txInhibit == channel.txInhibit &&
               held.duplex == channel.duplex && held.tag == channel.tag;
    };
    for (int position = first; position < end; ++position) {
        if (same(store_.Load(MemoryChannel::kMemory, position))) {
            return true;
        }
    }
    return false;
}

bool ChannelAppender::BeyondBank(int position, int bank) const {
    const BankTable banks(image_);
    return options_.BankMode() && position >= banks.BankFirst(bank) + banks.BankCapacity(bank);
}

std::optional<RefusalReason> ChannelAppender::EnterFrequencies(const TypedChannel& typed,
                                                               MemoryChannel& channel) const {
    if (!TypeFrequency(typed.frequency, channel, true, options_)) {
        return RefusalReason{RefusalReason::kNoFrequency, {}};
    }
    // A channel that never had a frequency starts from the model's default channel.
    if (channel.isNew) {
        store_.TakeDefaults(channel, false);
    }
    if (ChannelChecks(image_, options_).RxCheck(channel, false)) {
        return RefusalReason{RefusalReason::kOutsideBand, FormatFrequency(channel.rxHz)};
    }
    if (typed.transmit == TypedChannel::Transmit::kSplit) {
        if (!TypeFrequency(typed.txFrequency, channel, false, options_)) {
            return RefusalReason{RefusalReason::kNoTransmitFrequency, {}};
        }
        // Only a navigation channel transmits on a frequency of its own; the duplex mark
        // says it does.
        channel.duplex = kNavBand.Contains(channel.rxHz) && options_.DuplexVorBankModel();
    }
    channel.txInhibit = typed.transmit == TypedChannel::Transmit::kOff;
    return std::nullopt;
}

AppendResult ChannelAppender::Enter(const TypedChannel& typed, int bank) const {
    const std::optional<int> position = FreePosition(bank);
    if (!position) {
        return {std::nullopt,
                {options_.BankMode() ? RefusalReason::kBankFull : RefusalReason::kListFull, {}}};
    }
    MemoryChannel channel = store_.LoadDefaultRecord(*position, MemoryChannel::kMemory);
    channel.used = false;
    if (std::optional<RefusalReason> refusal = EnterFrequencies(typed, channel)) {
        return {std::nullopt, std::move(*refusal)};
    }
    std::string field = typed.name.substr(0, memory_map::kNameDisplayWidth);
    field.resize(memory_map::kNameDisplayWidth, ' ');
    const PackedName name = PackEnteredName(field, {channel.name, channel.dotMask});
    // Without a name the channel keeps the one a new channel starts with, as when only a
    // frequency is typed.
    if (name.characters.find_first_not_of(' ') != std::string::npos || name.dotMask != 0) {
        channel.name = name.characters;
        channel.dotMask = name.dotMask;
    }
    channel.tag = !typed.skipped;
    if (Holds(channel, bank)) {
        return {std::nullopt,
                options_.BankMode()
                    ? RefusalReason{RefusalReason::kAlreadyInBank, std::to_string(bank)}
                    : RefusalReason{RefusalReason::kAlreadyInList, {}}};
    }
    return {channel, {}};
}

void ChannelAppender::Store(MemoryChannel& channel, int bank) {
    if (BeyondBank(channel.position, bank)) {
        InsertChannelInBank(image_, options_.modelType, bank, channel.position);
    }
    store_.StoreAndReload(channel);
}

AppendResult ChannelAppender::Append(const TypedChannel& typed, int bank) {
    AppendResult result = Enter(typed, bank);
    if (result.channel) {
        Store(*result.channel, bank);
    }
    return result;
}

}  // namespace orvane
