#include "radio/bank_table.h"

#include <algorithm>
#include <array>

#include "image/eeprom_image.h"
#include "radio/memory_map.h"
#include "radio/name_codec.h"

namespace orvane {
namespace {

bool IsUsedPosition(const EepromImage& image, int position) {
    return (image.GetByte(memory_map::kChannelFlags + position) & memory_map::kFlagBlank) == 0;
}

}  // namespace

int BankTable::BankCapacity(int bank) const {
    return IsBank(bank) ? image_.GetByte(memory_map::kBankCapacities + bank) : 0;
}

void BankTable::SetBankCapacity(int bank, int capacity) {
    if (IsBank(bank)) {
        image_.SetByte(memory_map::kBankCapacities + bank, static_cast<std::uint8_t>(capacity));
    }
}

int BankTable::BankFirst(int bank) const {
    int first = 0;
    for (int b = 0; b < bank && b < kBankCount; ++b) {
        first += BankCapacity(b);
    }
    return first;
}

int BankTable::BankLast(int bank) const {
    return std::max(0, BankFirst(bank) + BankCapacity(bank) - 1);
}

int BankTable::TotalCapacity() const { return BankFirst(kBankCount); }

int BankTable::UsedInBank(int bank) const {
    const int first = BankFirst(bank);
    // A damaged table may claim more than 200 positions; only real positions count.
    const int end = std::min(first + BankCapacity(bank), memory_map::kChannelCount);
    int used = 0;
    for (int position = first; position < end; ++position) {
        used += IsUsedPosition(image_, position) ? 1 : 0;
    }
    return used;
}

int BankTable::TotalUsed() const {
    int used = 0;
    for (int bank = 0; bank < kBankCount; ++bank) {
        used += UsedInBank(bank);
    }
    return used;
}

std::string BankTable::BankDisplayName(int bank, bool leadingBlank) const {
    std::string text = leadingBlank ? " " : "";
    if (!IsBank(bank)) {
        return text;
    }
    const PackedName stored = StoredName(bank);
    std::string name = UnpackName(stored.characters, stored.dotMask);
    for (char& c : name) {
        c = IsPrintable(c) ? c : ' ';
    }
    text += static_cast<char>('0' + bank);
    text += ": ";
    return text + name;
}

PackedName BankTable::StoredName(int bank) const {
    std::array<std::uint8_t, memory_map::kNameLength> characters{};
    image_.ReadBlock(memory_map::kBankNames + bank * memory_map::kNameLength, characters);
    return {std::string(characters.begin(), characters.end()),
            image_.GetByte(memory_map::kBankNameDots + bank)};
}

void BankTable::StoreName(int bank, const PackedName& name) {
    std::array<std::uint8_t, memory_map::kNameLength> characters{};
    std::copy_n(name.characters.begin(), characters.size(), characters.begin());
    image_.WriteBlock(memory_map::kBankNames + bank * memory_map::kNameLength, characters);
    image_.SetByte(memory_map::kBankNameDots + bank, name.dotMask);
}

bool BankTable::IsNamed(int bank) const {
    const PackedName stored = StoredName(bank);
    std::string name = UnpackName(stored.characters, stored.dotMask);
    NormaliseName(name, kChannelNameRules);
    return name.find_first_not_of(' ') != std::string::npos;
}

void BankTable::ClampBankCursor() {
    for (int bank = 0; bank < kBankCount; ++bank) {
        const int capacity = BankCapacity(bank);
        const std::int32_t address = memory_map::kHomeChannels + bank;
        const int cursor = image_.GetByte(address);
        if (capacity == 0) {
            image_.SetByte(address, 1);
        } else if (capacity < cursor + 1) {
            image_.SetByte(address, static_cast<std::uint8_t>(capacity - 1));
        }
    }
}

}  // namespace orvane
