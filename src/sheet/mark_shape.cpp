#include "sheet/mark_shape.h"

namespace orvane {

MarkShape ShapeOfMark(bool error, int j, PixelPoint origin) {
    const int m = j / 2;
    const int n = j - 1;
    const int k = j / 8;
    const int d = j / 10;
    const auto at = [origin](int x, int y) { return PixelPoint{origin.x + x, origin.y + y}; };
    if (error) {
        return MarkShape{
            {at(k, 0), at(m, m - k), at(n - k, 0), at(n, k), at(m + k, m), at(n, n - k),
             at(n - k, n), at(m, m + k), at(k, n), at(0, n - k), at(m - k, m), at(0, k)},
            1,
            {}};
    }
    const int dotTop = 3 * j / 4;
    const int dotBottom = dotTop + j / 6;
    return MarkShape{
        {at(m, 0), at(n, n), at(0, n)},
        j / 16 + 1,
        {{at(m - k, j / 3), at(m + k, j / 3), at(m + d, 2 * j / 3), at(m - d, 2 * j / 3)},
         {at(m - d, dotTop), at(m + d, dotTop), at(m + d, dotBottom), at(m - d, dotBottom)}}};
}

}  // namespace orvane
