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

// `image` is the image to be written, with the extension block already in place.
// Versions compare as the 24-bit numbers of their digit characters (d1 "." d2 d3 gives
// d1 << 16 | d2 << 8 | d3); a radio version of another shape counts as "000".
std::span<const AddressRange> ChooseWriteRanges(RadioIdentityBytes identity,
                                                const EepromImage& image, bool expertMode);

}  // namespace orvane
