#include "radio/bank_cells.h"

#include <algorithm>
#include <array>

#include "base/message_bus.h"
#include "image/eeprom_image.h"
#include "radio/cell_evaluation.h"
#include "radio/channel_array.h"
#include "radio/memory_map.h"
#include "radio/name_codec.h"
#include "radio/notify_flags.h"
#include "radio/number_entry.h"
#include "radio/text_entry.h"
#include "radio/user_messages.h"
#include "sheet/sheet_messages.h"

namespace orvane {
namespace {

using memory_map::kChannelCount;
using memory_map::kMaxBankCapacity;

}  // namespace

void BankCells::Evaluate(CellEvaluation& evaluation) {
    const int index = evaluation.cell.link.index;
    switch (evaluation.cell.link.cellId) {
        case cell::kMchBank:
            if (BankTable::IsBank(index)) {
                Capacity(evaluation, index);
            } else if (index == kTotalRow) {
                evaluation.request.text = std::to_string(evaluation.banks.TotalCapacity());
            } else if (index == kRemainRow) {
                evaluation.request.text =
                    std::to_string(kChannelCount - evaluation.banks.TotalCapacity());
            }
            break;
        case cell::kMchUsedCHs:
            UsedChannels(evaluation, index);
            break;
        default:
            if (BankTable::IsBank(index)) {
                Name(evaluation, index);
            }
            break;
    }
}

void BankCells::Capacity(CellEvaluation& evaluation, int bank) {
    BankTable& banks = evaluation.banks;
    CellRequest& request = evaluation.request;
    const int capacity = banks.BankCapacity(bank);
    const int free = kChannelCount - banks.TotalCapacity();
    const int trailingBlanks = TrailingBlanks(evaluation, bank);
    int change = 0;
    bool changed = false;
    if (request.textOrigin == TextOrigin::kEditor) {
        const TypedNumber typed = ReadTypedNumber(request.text);
        if (typed.present) {
            const auto wanted =
                static_cast<int>(std::clamp<std::int64_t>(typed.value, -1'000'000, 1'000'000));
            change = LimitedChange(capacity, wanted, free, trailingBlanks);
            changed = true;
        }
        // The typed text has been read; the entry only shows.
        request.textOrigin = TextOrigin::kNone;
    }
    std::int32_t value = capacity + change;
    const int minimum = capacity - trailingBlanks;
    const int maximum = std::max(minimum, std::min(capacity + free, kMaxBankCapacity));
    const EntryResult result = NumberEntry(request, value, minimum, maximum);
    evaluation.TakeEntry(result);
    if (result.changed) {
        change = value - capacity;
        changed = true;
    }
    if (changed) {
        Resize(evaluation, bank, change);
        request.text = std::to_string(capacity + change);
        evaluation.notify |= notify::kSameCellId;
        environment_.bus.Post(message::kBankNodeImages, 0, 0, false);
    }
    // An empty bank is an error where it leaves a gap: bank 0, or before a used bank.
    bool laterBankUsed = false;
    for (int later = bank + 1; later < kBankCount; ++later) {
        laterBankUsed = laterBankUsed || banks.BankCapacity(later) != 0;
    }
    evaluation.SetError(banks.BankCapacity(bank) == 0 && (bank == 0 || laterBankUsed));
}

int BankCells::LimitedChange(int capacity, int typed, int free, int trailingBlanks) {
    int change = typed - capacity;
    if (change > 0 && (change > free || typed > kMaxBankCapacity)) {
        ShowErrorMessage(environment_.texts, environment_.prompter, "GI_AppMess_ChErr_Overflow");
        // A damaged table may already hold more than it can; it never shrinks here.
        change = std::max(0, std::min(free, kMaxBankCapacity - capacity));
    }
    if (-change > trailingBlanks) {
        ShowErrorMessage(
            environment_.texts, environment_.prompter,
            capacity < -change ? "GI_AppMess_ChErr_NoCh" : "GI_AppMess_ChErr_NotBlank");
        change = -trailingBlanks;
    }
    return change;
}

int BankCells::TrailingBlanks(CellEvaluation& evaluation, int bank) {
    const int first = evaluation.banks.BankFirst(bank);
    const int capacity = evaluation.banks.BankCapacity(bank);
    // Bank 0 always keeps one channel.
    const int countable = bank == 0 ? capacity - 1 : capacity;
    const ChannelArray channels(evaluation.channels.Image(), evaluation.options.modelType);
    int blanks = 0;
    while (blanks < countable && !channels.IsUsed(first + capacity - 1 - blanks)) {
        ++blanks;
    }
    return blanks;
}

void BankCells::Resize(CellEvaluation& evaluation, int bank, int change) {
    BankTable& banks = evaluation.banks;
    const int first = banks.BankFirst(bank);
    const int capacity = banks.BankCapacity(bank);
    ChannelArray channels(evaluation.channels.Image(), evaluation.options.modelType);
    for (int k = 0; k < change; ++k) {
        channels.InsertBlank(first + capacity + k);
    }
    for (int k = 0; k < -change; ++k) {
        channels.Delete(first + capacity - 1 - k);
    }
    banks.SetBankCapacity(bank, capacity + change);
    banks.ClampBankCursor();
}

void BankCells::UsedChannels(CellEvaluation& evaluation, int bank) {
    const BankTable& banks = evaluation.banks;
    // Only ever shown: the count follows from the channels.
    evaluation.ReadOnly();
    if (BankTable::IsBank(bank)) {
        evaluation.request.text = std::to_string(banks.UsedInBank(bank));
    } else if (bank == kTotalRow) {
        evaluation.request.text = std::to_string(banks.TotalUsed());
    } else if (bank == kRemainRow) {
        evaluation.request.text = std::to_string(kChannelCount - banks.TotalUsed());
    }
}

void BankCells::Name(CellEvaluation& evaluation, int bank) {
    const PackedName previous = evaluation.banks.StoredName(bank);
    std::string field = UnpackName(previous.characters, previous.dotMask);
    const EntryResult result = TextEntry(evaluation.request, field, memory_map::kNameDisplayWidth);
    evaluation.TakeEntry(result);
    if (!result.changed) {
        return;
    }
    const PackedName packed = PackEnteredName(field, previous);
    evaluation.request.text = ShownName(packed);
    evaluation.banks.StoreName(bank, packed);
    environment_.bus.PostText(message::kBankNodeCaptionUpdate, 0, bank,
                              evaluation.banks.BankDisplayName(bank, false), false);
}

}  // namespace orvane
