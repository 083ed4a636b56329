#pragma once
// The address range lists of the file and the transport. Each list closes with
// kEndOfRanges. No write list touches 0xE6A-0xE7E; only the expert lists write the expert
// settings (0xD6C-0xD9F) and the identity text (0xF90-0xF97). Every write list sends the
// model digits last, so a write cut short leaves a radio that does not claim a complete
// image.

#include <span>

#include "image/address_range.h"

namespace orvane {

// What a clone data file must cover and what is saved: the clone area.
std::span<const AddressRange> FileRanges();
// What a read from the radio must deliver.
std::span<const AddressRange> ReadRanges();

std::span<const AddressRange> WriteRanges();
std::span<const AddressRange> ExpertWriteRanges();
// The same, with the extension block sent in 32-byte pieces before the model digits.
std::span<const AddressRange> ExtendedWriteRanges();
std::span<const AddressRange> ExtendedExpertWriteRanges();

}  // namespace orvane
