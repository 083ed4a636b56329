#pragma once
// Where the main window comes up: the stored bounds, or the defaults derived from the
// screen, kept reachable on the desktop's work area.

namespace orvane {

struct WindowBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowBounds&) const = default;
};

struct WorkArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// At most 800 x 600, centred across and 30 % down the screen.
WindowBounds DefaultWindowBounds(int screenWidth, int screenHeight);

inline constexpr int kMinWindowWidth = 400;
inline constexpr int kMinWindowHeight = 200;

// Limits the size to the work area's (and to at least the minimum window size), then
// moves the bounds so that at least 16 pixels of the window stay on the work area.
WindowBounds ClampToWorkArea(WindowBounds bounds, const WorkArea& area);

}  // namespace orvane
