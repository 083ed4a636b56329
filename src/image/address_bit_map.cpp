#include "image/address_bit_map.h"

#include <algorithm>

namespace orvane {

void AddressBitMap::Reset(std::int32_t addressCount) {
    addressCount_ = std::max(addressCount, 0);
    bits_.assign((static_cast<std::size_t>(addressCount_) + 7) / 8, 0);
}

void AddressBitMap::Set(std::int32_t address) {
    if (address >= 0 && address < addressCount_) {
        bits_[static_cast<std::size_t>(address) / 8] |=
            static_cast<std::uint8_t>(1u << (address % 8));
    }
}

void AddressBitMap::SetRanges(std::span<const AddressRange> list) {
    for (const AddressRange& range : ActiveRanges(list)) {
        const std::int32_t first = std::max(range.start, 0);
        const std::int32_t last = std::min(range.end, addressCount_ - 1);
        for (std::int32_t address = first; address <= last; ++address) {
            Set(address);
        }
    }
}

bool AddressBitMap::HasBitsOutside(const AddressBitMap& other) const {
    for (std::size_t i = 0; i < bits_.size(); ++i) {
        const std::uint8_t theirs = i < other.bits_.size() ? other.bits_[i] : 0;
        if ((bits_[i] & ~theirs) != 0) {
            return true;
        }
    }
    return false;
}

}  // namespace orvane
