#pragma once
// The warning and error marks as polygons, one geometry for every place a mark shows:
// printed pages draw them black and white, the screen's cells and the tree draw the same
// outlines in colour.

#include <array>
#include <vector>

#include "sheet/canvas.h"

namespace orvane {

struct MarkShape {
    // The error's diagonal cross, or the warning's triangle.
    std::vector<PixelPoint> body;
    // How wide the body's outline is drawn.
    int outlineWidth = 1;
    // The warning's exclamation mark, stroke and dot; none for an error.
    std::vector<std::array<PixelPoint, 4>> details;
};

// The mark `j` pixels square with its top left corner at `origin`.
MarkShape ShapeOfMark(bool error, int j, PixelPoint origin);

}  // namespace orvane
