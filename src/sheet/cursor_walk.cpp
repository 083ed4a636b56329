#include "sheet/cursor_walk.h"

namespace orvane {

std::optional<GridCell> StepCursor(GridCell from, const CursorStep& step, int columns, int rows,
                                   const std::function<bool(GridCell)>& selectable) {
    // Positions are measured along the step's direction and across it.
    const bool vertical = step.dx == 0;
    const int direction = vertical ? step.dy : step.dx;
    if (direction == 0) {
        return std::nullopt;
    }
    const int length = vertical ? rows : columns;
    const int breadth = vertical ? columns : rows;
    const int start = vertical ? from.row : from.column;
    const int lane = vertical ? from.column : from.row;
    const auto cellAt = [vertical](int along, int across) {
        return vertical ? GridCell{across, along} : GridCell{along, across};
    };

    for (int k = 1; k < length; ++k) {
        int along = start + k * direction;
        if (along < 0 || along >= length) {
            if (!step.wrap) {
                break;
            }
            along = (along % length + length) % length;
        }
        if (selectable(cellAt(along, lane))) {
            return cellAt(along, lane);
        }
    }
    if (!step.nearestInNextLanes) {
        return std::nullopt;
    }
    for (int along = start + direction; along >= 0 && along < length; along += direction) {
        for (int distance = 0; distance < breadth; ++distance) {
            for (const int across : {lane - distance, lane + distance}) {
                if (across >= 0 && across < breadth && selectable(cellAt(along, across))) {
                    return cellAt(along, across);
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace orvane
