#pragma once
// One bit per image address: which addresses a file delivered, and which a range list
// asks for.

#include <cstdint>
#include <span>
#include <vector>

#include "image/address_range.h"

namespace orvane {

class AddressBitMap {
public:
    // Room for addresses 0 .. addressCount - 1, all clear.
    void Reset(std::int32_t addressCount);
    std::int32_t AddressCount() const { return addressCount_; }

    // Addresses outside the map are ignored.
    void Set(std::int32_t address);
    // Sets every address of the list's active ranges that lies in the map.
    void SetRanges(std::span<const AddressRange> list);

    // Whether this map has a bit that `other` lacks.
    bool HasBitsOutside(const AddressBitMap& other) const;

    friend bool operator==(const AddressBitMap&, const AddressBitMap&) = default;

private:
    std::int32_t addressCount_ = 0;
    std::vector<std::uint8_t> bits_;
};

}  // namespace orvane
