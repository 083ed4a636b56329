#include "sheet/refresh_mask.h"

#include <cstdlib>

#include "sheet/sheet_messages.h"

namespace orvane::refresh {

bool Matches(const CellLink& reference, std::uint32_t mask, const CellLink& cell) {
    const bool linked = cell.cellId != CellLink::kNoCell;
    const bool indexed = linked && reference.category != CellLink::kNoCategory;
    const auto selected = [mask](std::uint32_t test) { return (mask & test) != 0; };
    return (selected(kSameCell) && cell.cellId == reference.cellId &&
            cell.index == reference.index) ||
           (selected(kSameCategory) && cell.category == reference.category) ||
           (selected(kSameCellId) && cell.cellId == reference.cellId) ||
           (selected(kSameIndex) && indexed && cell.index == reference.index) ||
           (selected(kNearIndex) && linked && cell.category == reference.category &&
            std::abs(cell.index - reference.index) <= 1) ||
           (selected(kAllLinked) && linked) ||
           (selected(kIndexFrom) && indexed && cell.index >= reference.index) ||
           (selected(kIndexUpTo) && indexed && cell.index <= reference.index);
}

std::optional<Order> OrderOfMessage(std::int32_t kind, std::intptr_t int2) {
    const auto value = static_cast<std::int32_t>(int2);
    Order order{CellLink{0, 0, -1}, 0};
    switch (kind) {
        case message::kRefreshAllLinked:
            order.mask = kAllLinked;
            break;
        case message::kRefreshCategory:
            order.reference.category = value;
            order.mask = kSameCategory;
            break;
        case message::kRefreshCellId:
            order.reference.cellId = value;
            order.mask = kSameCellId;
            break;
        case message::kRefreshIndex:
            order.reference.index = value;
            order.mask = kSameIndex;
            break;
        case message::kRefreshUpToIndex:
            order.reference.index = value;
            order.mask = kIndexUpTo;
            break;
        case message::kRefreshFromIndex:
            order.reference.index = value;
            order.mask = kIndexFrom;
            break;
        default:
            return std::nullopt;
    }
    return order;
}

}  // namespace orvane::refresh
