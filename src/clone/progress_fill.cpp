#include "clone/progress_fill.h"

namespace orvane {

int FilledProgressCells(std::int64_t movedBytes, std::int64_t expectedBytes) {
    if (expectedBytes <= 0) {
        return 0;
    }
    return static_cast<int>(movedBytes * (kProgressCells + 1) / expectedBytes);
}

ProgressCellColumns ProgressCellAt(int index, int areaWidth) {
    const int width = areaWidth / kProgressCells;
    return {width * index, width * (index + 1) - 2};
}

}  // namespace orvane
