#include "image/eeprom_image.h"

#include <algorithm>

#include "base/fatal.h"

namespace orvane {

void EepromImage::Resize(std::int32_t size) {
    if (size != Size()) {
        // A fresh buffer rather than a resize, so a shrunk image gives its memory back.
        bytes_ = std::vector<std::uint8_t>(static_cast<std::size_t>(std::max(size, 0)));
        return;
    }
    Fill(0);
}

void EepromImage::Fill(std::uint8_t value) { std::fill(bytes_.begin(), bytes_.end(), value); }

void EepromImage::SetByte(std::int32_t address, std::uint8_t value) {
    if (!InRange(address)) {
        Fatal("Out of EEPROM image address (SetByte).");
    }
    bytes_[static_cast<std::size_t>(address)] = value;
}

std::uint8_t EepromImage::GetByte(std::int32_t address) const {
    if (!InRange(address)) {
        Fatal("Out of EEPROM image address (GetByte).");
    }
    return bytes_[static_cast<std::size_t>(address)];
}

bool EepromImage::BlockFits(std::int32_t address, std::size_t length) const {
    // In 64 bits, so a huge length cannot wrap around into a false fit.
    return InRange(address) && length >= 1 &&
           static_cast<std::uint64_t>(address) + length <= static_cast<std::uint64_t>(Size());
}

void EepromImage::WriteBlock(std::int32_t address, std::span<const std::uint8_t> source) {
    if (BlockFits(address, source.size())) {
        std::copy(source.begin(), source.end(), bytes_.begin() + address);
    }
}

void EepromImage::ReadBlock(std::int32_t address, std::span<std::uint8_t> destination) const {
    if (BlockFits(address, destination.size())) {
        auto first = bytes_.begin() + address;
        std::copy(first, first + static_cast<std::ptrdiff_t>(destination.size()),
                  destination.begin());
    }
}

void EepromImage::Assign(const EepromImage& other) {
    // Resizing first clears the bytes, which would wipe an image assigned to itself.
    if (&other == this) {
        return;
    }
    Resize(other.Size());
    std::copy(other.bytes_.begin(), other.bytes_.end(), bytes_.begin());
}

}  // namespace orvane
