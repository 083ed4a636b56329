#include "app/window_placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace orvane {
namespace {

// A stored size between the window's minimum and the work area's extent: a hand-edited
// 100000 would otherwise make a window of the largest size the system allows.
int FittedExtent(int stored, std::int64_t areaExtent, int minimum) {
    return static_cast<int>(
        std::max<std::int64_t>(std::min<std::int64_t>(stored, areaExtent), minimum));
}

// Only a work area at the very end of the int range can move a bound outside it.
int Narrowed(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

}  // namespace

WindowBounds DefaultWindowBounds(int screenWidth, int screenHeight) {
    WindowBounds bounds;
    bounds.width = std::min(static_cast<int>(0.9 * screenWidth), 800);
    bounds.height = std::min(static_cast<int>(0.9 * screenHeight), 600);
    bounds.left = (screenWidth - bounds.width) / 2;
    bounds.top = static_cast<int>((screenHeight - bounds.height) * 0.3);
    return bounds;
}

WindowBounds ClampToWorkArea(WindowBounds bounds, const WorkArea& area) {
    constexpr std::int64_t kReachable = 16;
    // Stored values may be anything: the sums are formed in 64 bits, where they cannot
    // overflow.
    const std::int64_t areaLeft = area.left;
    const std::int64_t areaTop = area.top;
    const std::int64_t areaRight = area.right;
    const std::int64_t areaBottom = area.bottom;
    bounds.width = FittedExtent(bounds.width, areaRight - areaLeft, kMinWindowWidth);
    bounds.height = FittedExtent(bounds.height, areaBottom - areaTop, kMinWindowHeight);
    std::int64_t left = bounds.left;
    std::int64_t top = bounds.top;
    if (left > areaRight - kReachable) {
        left = areaRight - kReachable;
    }
    if (top > areaBottom - kReachable) {
        top = areaBottom - kReachable;
    }
    if (left + bounds.width < areaLeft + kReachable) {
        left = areaLeft - bounds.width + kReachable;
    }
    if (top < areaTop) {
        top = areaTop;
    }
    bounds.left = Narrowed(left);
    bounds.top = Narrowed(top);
    return bounds;
}

}  // namespace orvane
