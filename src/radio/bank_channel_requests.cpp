#include "radio/bank_channel_requests.h"

#include <algorithm>

#include "base/message_bus.h"
#include "radio/bank_table.h"
#include "radio/channel_array.h"
#include "radio/memory_map.h"
#include "radio/radio_messages.h"

namespace orvane {

void RequestInsertInBank(MessageBus& bus, int bank, int position) {
    bus.Post(message::kChannelInsertedInBank, bank, position, true);
}

void RequestDeleteInBank(MessageBus& bus, int bank, int position) {
    bus.Post(message::kChannelDeletedInBank, bank, position, true);
}

bool InsertChannelInBank(EepromImage& image, int modelType, int bank, int position) {
    BankTable banks(image);
    if (!BankTable::IsBank(bank) || banks.TotalCapacity() >= memory_map::kChannelCount ||
        banks.BankCapacity(bank) >= memory_map::kMaxBankCapacity) {
        return false;
    }
    const int first = banks.BankFirst(bank);
    const int at = std::clamp(position, first, first + banks.BankCapacity(bank));
    ChannelArray(image, modelType).InsertBlank(at);
    banks.SetBankCapacity(bank, banks.BankCapacity(bank) + 1);
    return true;
}

bool DeleteChannelInBank(EepromImage& image, int modelType, int bank, int position) {
    BankTable banks(image);
    const int first = banks.BankFirst(bank);
    const int capacity = banks.BankCapacity(bank);
    if (capacity == 0 || position < first || position >= first + capacity ||
        position >= memory_map::kChannelCount) {
        return false;
    }
    ChannelArray(image, modelType).Delete(position);
    banks.SetBankCapacity(bank, capacity - 1);
    return true;
}

}  // namespace orvane
