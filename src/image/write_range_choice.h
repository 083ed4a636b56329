#pragma once
// Which write list a clone write uses: the extended list carries the extension block,
// and goes only to a radio whose firmware identity matches the block's and whose
// version is older than the block's.

#include <cstdint>
#include <span>

#include "image/address_range.h"

namespace orvane {

class EepromImage;

// The identity block a radio returns to an information request.
inline constexpr std::size_t kRadioIdentitySize = 27;
using RadioIdentityBytes = std::span<const std::uint8_t, kRadioIdentitySize>;

// A version as the 24-bit number of its three digit characters, d1 "." d2 d3 giving
// d1 << 16 | d2 << 8 | d3. The radio's own text counts as "000" when it does not have
// that shape.
std::uint32_t RadioVersion(RadioIdentityBytes identity);

// `image` is the image to be written, with the extension block already in place.
std::span<const AddressRange> ChooseWriteRanges(RadioIdentityBytes identity,
                                                const EepromImage& image, bool expertMode);

}  // namespace orvane
