#include "app/window_placement.h"

#include <algorithm>

namespace orvane {

WindowBounds DefaultWindowBounds(int screenWidth, int screenHeight) {
    WindowBounds bounds;
    bounds.width = std::min(static_cast<int>(0.9 * screenWidth), 800);
    bounds.height = std::min(static_cast<int>(0.9 * screenHeight), 600);
    bounds.left = (screenWidth - bounds.width) / 2;
    bounds.top = static_cast<int>((screenHeight - bounds.height) * 0.3);
    return bounds;
}

WindowBounds ClampToWorkArea(WindowBounds bounds, const WorkArea& area) {
    constexpr int kReachable = 16;
    if (bounds.left > area.right - kReachable) {
        bounds.left = area.right - kReachable;
    }
    if (bounds.top > area.bottom - kReachable) {
        bounds.top = area.bottom - kReachable;
    }
    if (bounds.left + bounds.width < area.left + kReachable) {
        bounds.left = area.left - bounds.width + kReachable;
    }
    if (bounds.top < area.top) {
        bounds.top = area.top;
    }
    return bounds;
}

}  // namespace orvane
