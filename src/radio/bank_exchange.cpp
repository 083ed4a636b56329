#include "radio/bank_exchange.h"

#include "image/eeprom_image.h"
#include "radio/bank_table.h"
#include "radio/channel_array.h"
#include "radio/memory_map.h"

namespace orvane {
namespace {

void SwapBytes(EepromImage& image, std::int32_t first, std::int32_t second) {
    const std::uint8_t kept = image.GetByte(first);
    image.SetByte(first, image.GetByte(second));
    image.SetByte(second, kept);
}

}  // namespace

void ExchangeBanks(EepromImage& image, int modelType, int bank) {
    BankTable banks(image);
    if (!BankTable::IsBank(bank) || !BankTable::IsBank(bank + 1)) {
        return;
    }
    const int first = banks.BankFirst(bank);
    const int earlier = banks.BankCapacity(bank);
    const int later = banks.BankCapacity(bank + 1);
    // A damaged table may claim positions past the last record; only real ones move.
    ChannelArray(image, modelType).Rotate(first, first + earlier, first + earlier + later);
    banks.SetBankCapacity(bank, later);
    banks.SetBankCapacity(bank + 1, earlier);
    for (int k = 0; k < memory_map::kNameLength; ++k) {
        SwapBytes(image, memory_map::kBankNames + bank * memory_map::kNameLength + k,
                  memory_map::kBankNames + (bank + 1) * memory_map::kNameLength + k);
    }
    SwapBytes(image, memory_map::kBankNameDots + bank, memory_map::kBankNameDots + bank + 1);
    // The home channel travels with its bank, so the radio still starts on it.
    SwapBytes(image, memory_map::kHomeChannels + bank, memory_map::kHomeChannels + bank + 1);
    const int homeBank = image.GetByte(memory_map::kHomeBank);
    if (homeBank == bank || homeBank == bank + 1) {
        image.SetByte(memory_map::kHomeBank, static_cast<std::uint8_t>(2 * bank + 1 - homeBank));
    }
}

}  // namespace orvane
