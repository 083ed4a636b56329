#include "image/range_tables.h"

#include <array>

#include "image/image_layout.h"

namespace orvane {
namespace {

constexpr AddressRange kCloneArea{0x000, kLastCloneAddress};
constexpr AddressRange kModelDigitsRange{kModelDigitsAddress, kLastCloneAddress};

// The extension block goes out in pieces of one data frame each.
constexpr std::int32_t kExtensionPiece = 32;
constexpr std::size_t kExtensionPieces = kExtensionSize / kExtensionPiece;
static_assert(kExtensionSize % kExtensionPiece == 0);

constexpr std::array kFileRanges{kCloneArea, kEndOfRanges};
constexpr std::array kReadRanges{kCloneArea, kEndOfRanges};

constexpr std::array kWriteHead{AddressRange{0x000, 0xD6B}, AddressRange{0xDA0, 0xE69},
                                AddressRange{0xE7F, 0xF8F}};
constexpr std::array kExpertWriteHead{AddressRange{0x000, 0xE69}, AddressRange{0xE7F, 0xF97}};

template <std::size_t HeadCount>
constexpr auto WithModelDigitsLast(const std::array<AddressRange, HeadCount>& head) {
    std::array<AddressRange, HeadCount + 2> list{};
    std::size_t next = 0;
    for (const AddressRange& range : head) {
        list[next++] = range;
    }
    list[next++] = kModelDigitsRange;
    list[next] = kEndOfRanges;
    return list;
}

template <std::size_t HeadCount>
constexpr auto WithExtension(const std::array<AddressRange, HeadCount>& head) {
    std::array<AddressRange, HeadCount + kExtensionPieces + 2> list{};
    std::size_t next = 0;
    for (const AddressRange& range : head) {
        list[next++] = range;
    }
    for (std::int32_t start = kExtensionAddress; start < kExtensionAddress + kExtensionSize;
         start += kExtensionPiece) {
        list[next++] = AddressRange{start, start + kExtensionPiece - 1};
    }
    list[next++] = kModelDigitsRange;
    list[next] = kEndOfRanges;
    return list;
}

constexpr auto kWriteRanges = WithModelDigitsLast(kWriteHead);
// The expert area 0xF90-0xF97 lies just before the digits, so the plain expert list
// reaches them in one range.
constexpr std::array kExpertWriteRanges{AddressRange{0x000, 0xE69},
                                        AddressRange{0xE7F, kLastCloneAddress}, kEndOfRanges};
constexpr auto kExtendedWriteRanges = WithExtension(kWriteHead);
constexpr auto kExtendedExpertWriteRanges = WithExtension(kExpertWriteHead);

}  // namespace

std::span<const AddressRange> FileRanges() { return kFileRanges; }
std::span<const AddressRange> ReadRanges() { return kReadRanges; }
std::span<const AddressRange> WriteRanges() { return kWriteRanges; }
std::span<const AddressRange> ExpertWriteRanges() { return kExpertWriteRanges; }
std::span<const AddressRange> ExtendedWriteRanges() { return kExtendedWriteRanges; }
std::span<const AddressRange> ExtendedExpertWriteRanges() { return kExtendedExpertWriteRanges; }

}  // namespace orvane
