#pragma once
// Points and rectangles in device pixels, as the grid, the canvases and the pages use
// them. A rectangle names its first and last pixel column and row, both inclusive, so a
// cell of width w at x spans x .. x + w - 1.

namespace orvane {

struct PixelPoint {
    int x = 0;
    int y = 0;

    bool operator==(const PixelPoint&) const = default;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = -1;   // last pixel column
    int bottom = -1;  // last pixel row

    static PixelRect FromSize(int left, int top, int width, int height) {
        return {left, top, left + width - 1, top + height - 1};
    }
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
    bool operator==(const PixelRect&) const = default;
};

}  // namespace orvane
