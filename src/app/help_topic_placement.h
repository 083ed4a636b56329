#pragma once
// Where the small window of a help topic opens: centred across the mouse cursor with its
// top at the cursor, inside the desktop's work area, and above the cursor when there is
// no room below it.

#include "app/window_placement.h"

namespace orvane {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// The top left corner of a topic window of `width` x `height` for the cursor at `cursor`.
ScreenPoint PlaceTopicWindow(int width, int height, ScreenPoint cursor, const WorkArea& area);

}  // namespace orvane
