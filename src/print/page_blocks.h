#pragma once
// How a built sheet's grid splits into pages: runs of whole columns that fit beside the
// fixed columns and runs of whole rows that fit below the fixed rows.

#include <vector>

namespace orvane {

class Sheet;

struct GridRun {
    int first = 0;
    int count = 0;

    bool operator==(const GridRun&) const = default;
};

// The no-break mark of a fixed-row cell: a page may not start at its column.
inline constexpr int kNoBreakFlag = 2;

// Whether a page may start at `column`: none of its cells in the fixed rows carries the
// no-break mark.
bool BreakAllowedBefore(const Sheet& sheet, int column);

// The column runs after the fixed columns. A run ends before the latest column where a
// break is allowed once the fixed columns and the run are wider than `contentWidth`; it
// takes at least one column, and the last run takes what is left.
std::vector<GridRun> ColumnRuns(const Sheet& sheet, int contentWidth);

// The row runs after the fixed rows: each takes rows while they and the fixed rows stay
// within `contentHeight`, and at least one.
std::vector<GridRun> RowRuns(const Sheet& sheet, int contentHeight);

// The total width of `count` columns from `first`, or height of rows.
int ColumnsWidth(const Sheet& sheet, int first, int count);
int RowsHeight(const Sheet& sheet, int first, int count);

}  // namespace orvane
