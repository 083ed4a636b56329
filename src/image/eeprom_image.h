#pragma once
// The program's copy of the radio's EEPROM: a flat array of bytes addressed from 0.
// Single-byte access outside the image is a programming error and fatal; block copies
// that do not fit change nothing, so callers can hand them unchecked lengths.

#include <cstdint>
#include <span>
#include <vector>

namespace orvane {

class EepromImage {
public:
    // An empty image (size 0) until resized. Copies are deep.
    EepromImage() = default;

    // Reallocates when the size changes (invalidating Bytes()), keeps the buffer when it
    // does not; either way every byte is 0 afterwards. Zero or less leaves it empty.
    void Resize(std::int32_t size);
    void Fill(std::uint8_t value);

    std::int32_t Size() const { return static_cast<std::int32_t>(bytes_.size()); }
    bool InRange(std::int32_t address) const { return address >= 0 && address < Size(); }

    void SetByte(std::int32_t address, std::uint8_t value);
    std::uint8_t GetByte(std::int32_t address) const;

    // Copy only when all of address .. address + length - 1 lie in the image and the
    // length is at least 1.
    void WriteBlock(std::int32_t address, std::span<const std::uint8_t> source);
    void ReadBlock(std::int32_t address, std::span<std::uint8_t> destination) const;

    // Takes the other's size and bytes.
    void Assign(const EepromImage& other);
    bool Equals(const EepromImage& other) const { return bytes_ == other.bytes_; }

    // Direct field access for the memory map; valid until the next size change.
    std::span<std::uint8_t> Bytes() { return bytes_; }
    std::span<const std::uint8_t> Bytes() const { return bytes_; }

private:
    bool BlockFits(std::int32_t address, std::size_t length) const;

    std::vector<std::uint8_t> bytes_;
};

}  // namespace orvane
