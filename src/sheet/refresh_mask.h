#pragma once
// Which cells on screen to redraw after a value changed: the data model (through a
// request's refresh callback) and the refresh messages name a reference cell and a mask
// of tests against it; a cell is redrawn when any selected test holds.

#include <cstdint>
#include <optional>

#include "sheet/cell_link.h"

namespace orvane::refresh {

inline constexpr std::uint32_t kSameCell = 0x01;      // the reference's cellId and index
inline constexpr std::uint32_t kSameCategory = 0x02;  // the reference's category
inline constexpr std::uint32_t kSameCellId = 0x04;    // the reference's cellId
inline constexpr std::uint32_t kSameIndex = 0x08;     // the reference's index
inline constexpr std::uint32_t kNearIndex = 0x10;     // its category, index within ±1
inline constexpr std::uint32_t kAllLinked = 0x20;     // every linked cell
inline constexpr std::uint32_t kIndexFrom = 0x40;     // an index >= the reference's
inline constexpr std::uint32_t kIndexUpTo = 0x80;     // an index <= the reference's

// Whether `cell` is one of the cells `mask` selects around `reference`. The index and
// "all linked" tests never select plain labels, and the pure index tests select
// nothing when the reference has no category.
bool Matches(const CellLink& reference, std::uint32_t mask, const CellLink& cell);

struct Order {
    CellLink reference;
    std::uint32_t mask = 0;
};

// The reference and mask of a refresh message (kinds 15..20); none for other kinds.
// The reference holds category 0, cellId 0 and index -1 but for the field the kind
// carries in `int2`.
std::optional<Order> OrderOfMessage(std::int32_t kind, std::intptr_t int2);

}  // namespace orvane::refresh
