#include "radio/bank_exchange.h"

#include <algorithm>
#include <array>
#include <vector>

#include "image/eeprom_image.h"
#include "radio/bank_table.h"
#include "radio/memory_map.h"

namespace orvane {
namespace {

using memory_map::kRecordSize;

// A record with its flag byte, so that both move together.
struct PositionBytes {
    std::array<std::uint8_t, kRecordSize> record{};
    std::uint8_t flags = 0;
};

std::int32_t RecordAddress(int position) {
    return memory_map::kChannelRecords + position * kRecordSize;
}

void SwapBytes(EepromImage& image, std::int32_t first, std::int32_t second) {
    const std::uint8_t kept = image.GetByte(first);
    image.SetByte(first, image.GetByte(second));
    image.SetByte(second, kept);
}

void RotateStretch(EepromImage& image, int first, int earlierCount, int end) {
    std::vector<PositionBytes> stretch(static_cast<std::size_t>(end - first));
    for (int position = first; position < end; ++position) {
        PositionBytes& bytes = stretch[static_cast<std::size_t>(position - first)];
        image.ReadBlock(RecordAddress(position), bytes.record);
        bytes.flags = image.GetByte(memory_map::kChannelFlags + position);
    }
    std::rotate(stretch.begin(), stretch.begin() + earlierCount, stretch.end());
    for (int position = first; position < end; ++position) {
        const PositionBytes& bytes = stretch[static_cast<std::size_t>(position - first)];
        image.WriteBlock(RecordAddress(position), bytes.record);
        image.SetByte(memory_map::kChannelFlags + position, bytes.flags);
    }
}

}  // namespace

void ExchangeBanks(EepromImage& image, int bank) {
    BankTable banks(image);
    if (!BankTable::IsBank(bank) || !BankTable::IsBank(bank + 1)) {
        return;
    }
    const int first = banks.BankFirst(bank);
    const int earlier = banks.BankCapacity(bank);
    const int later = banks.BankCapacity(bank + 1);
    // A damaged table may claim positions past the last record; only real ones move.
    const int end = std::min(first + earlier + later, memory_map::kChannelCount);
    if (first + earlier <= end && first < end) {
        RotateStretch(image, first, earlier, end);
    }
    banks.SetBankCapacity(bank, later);
    banks.SetBankCapacity(bank + 1, earlier);
    for (int k = 0; k < memory_map::kNameLength; ++k) {
        SwapBytes(image, memory_map::kBankNames + bank * memory_map::kNameLength + k,
                  memory_map::kBankNames + (bank + 1) * memory_map::kNameLength + k);
    }
    SwapBytes(image, memory_map::kBankNameDots + bank, memory_map::kBankNameDots + bank + 1);
}

}  // namespace orvane
