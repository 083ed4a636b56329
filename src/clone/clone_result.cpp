#include "clone/clone_result.h"

namespace orvane {

int CheckCoverage(const AddressBitMap& received, std::span<const AddressRange> ranges,
                  std::int32_t imageSize) {
    AddressBitMap expected;
    expected.Reset(imageSize);
    expected.SetRanges(ranges);
    if (received == expected) {
        return clone_error::kOk;
    }
    return received.HasBitsOutside(expected) ? clone_error::kDataOverflow
                                             : clone_error::kNotEnoughData;
}

}  // namespace orvane
