#include "image/address_range.h"

#include <algorithm>

namespace orvane {

std::span<const AddressRange> ActiveRanges(std::span<const AddressRange> list) {
    auto end = std::find_if(list.begin(), list.end(),
                            [](const AddressRange& range) { return range.end < range.start; });
    return list.first(static_cast<std::size_t>(end - list.begin()));
}

std::int64_t RangeByteCount(std::span<const AddressRange> list) {
    std::int64_t count = 0;
    for (const AddressRange& range : ActiveRanges(list)) {
        count += std::int64_t{range.end} - range.start + 1;
    }
    return count;
}

}  // namespace orvane
