#pragma once
// Which write list a clone write uses: the extended list carries the extension block,
// and goes only to a radio whose firmware identity matches the block's and whose
// version is older than the block's.

#include <span>

#include "image/address_range.h"
#include "image/radio_identity.h"

namespace orvane {

class EepromImage;

// `image` is the image to be written, with the extension block already in place.
std::span<const AddressRange> ChooseWriteRanges(const RadioIdentity& identity,
                                                const EepromImage& image, bool expertMode);

}  // namespace orvane
