#pragma once
// The clone progress bar: 32 cells across a paint area, filled in proportion to the
// image bytes moved.

#include <cstdint>

namespace orvane {

inline constexpr int kProgressCells = 32;
inline constexpr int kProgressAreaWidth = 256;
inline constexpr int kProgressAreaHeight = 16;

// How many cells are filled: moved × 33 / expected, so the last cell fills only near the
// end; 0 when nothing is expected.
int FilledProgressCells(std::int64_t movedBytes, std::int64_t expectedBytes);

// The pixel columns of cell `index` in an area `areaWidth` wide: each cell is
// areaWidth / 32 wide and its last column stays background as a gap.
struct ProgressCellColumns {
    int first = 0;
    int last = 0;  // inclusive
};
ProgressCellColumns ProgressCellAt(int index, int areaWidth);

}  // namespace orvane
