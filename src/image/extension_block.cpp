#include "image/extension_block.h"

#include <array>
#include <initializer_list>

namespace orvane {
namespace {

using Block = std::array<std::uint8_t, kExtensionSize>;

constexpr void Put(Block& block, std::int32_t address, std::initializer_list<std::uint8_t> bytes) {
    std::size_t offset = static_cast<std::size_t>(address - kExtensionAddress);
    for (std::uint8_t value : bytes) {
        block[offset++] = value;
    }
}

constexpr Block BuildBlock() {
    Block block{};
    Put(block, 0xFA0, {0xFC, 0x19, '3', '.', '0', '1', '1', '.', '0', '0', 0x1E, 0xBB});
    Put(block, 0xFC0, {0x10, 0x20});
    Put(block, 0xFC3, {0xB1, 0x9B, 0xBC, 0x1E});
    Put(block, 0x11BD, {0x9B});
    Put(block, 0x11BF, {0xF6});
    return block;
}

constexpr Block kBlock = BuildBlock();

}  // namespace

std::span<const std::uint8_t, kExtensionSize> ExtensionBlock() { return kBlock; }

}  // namespace orvane
