#include "radio/home_position.h"

#include "image/eeprom_image.h"
#include "radio/bank_table.h"
#include "radio/memory_map.h"

namespace orvane {

std::optional<int> HomeMemoryPosition(const EepromImage& image, const BankTable& banks,
                                      bool bankMode) {
    if (!bankMode) {
        return image.GetByte(memory_map::kHomeChannels);
    }
    const int bank = image.GetByte(memory_map::kHomeBank);
    if (!BankTable::IsBank(bank) || banks.BankCapacity(bank) == 0) {
        return std::nullopt;
    }
    return banks.BankFirst(bank) + image.GetByte(memory_map::kHomeChannels + bank);
}

}  // namespace orvane
