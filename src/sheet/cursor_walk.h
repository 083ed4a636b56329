#pragma once
// How one cursor step finds its target: the next selectable cell in the step's
// direction along the current row or column, and where that lane has none, the
// selectable cell nearest to the lane in the next row or column that has one.

#include <functional>
#include <optional>

namespace orvane {

struct GridCell {
    int column = 0;
    int row = 0;
    bool operator==(const GridCell&) const = default;
};

struct CursorStep {
    int dx = 0;  // -1, 0 or 1; a horizontal step ignores dy
    int dy = 0;
    // The walk along the lane wraps round the grid's edges (giving up back at the
    // start) instead of stopping there.
    bool wrap = false;
    // Where the lane has no selectable cell, look in the following rows (or columns).
    bool nearestInNextLanes = true;
};

// The cell one step from `from` in a grid of `columns` × `rows`; none when no cell
// qualifies.
std::optional<GridCell> StepCursor(GridCell from, const CursorStep& step, int columns, int rows,
                                   const std::function<bool(GridCell)>& selectable);

}  // namespace orvane
