#pragma once
// Inclusive address ranges and the lists made of them. A list ends at its first entry
// whose end lies below its start (the tables close with {1, 0}), or at its last entry.

#include <cstdint>
#include <span>

namespace orvane {

struct AddressRange {
    std::int32_t start = 0;
    std::int32_t end = 0;

    friend bool operator==(const AddressRange&, const AddressRange&) = default;
};

inline constexpr AddressRange kEndOfRanges{1, 0};

// The ranges in force: the entries before the first reversed one.
std::span<const AddressRange> ActiveRanges(std::span<const AddressRange> list);

// Sum of end - start + 1 over the active ranges; what a transfer of the list counts.
std::int64_t RangeByteCount(std::span<const AddressRange> list);

}  // namespace orvane
