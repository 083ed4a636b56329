#include "app/help_topic_placement.h"

namespace orvane {

ScreenPoint PlaceTopicWindow(int width, int height, ScreenPoint cursor, const WorkArea& area) {
    const int halfWidth = width / 2;
    ScreenPoint corner{halfWidth < cursor.x ? cursor.x - halfWidth : 0, cursor.y};
    if (corner.y + height > area.bottom) {
        // Above the cursor when it fits between the cursor and the work area's top;
        // otherwise as low as the work area allows.
        const bool fitsAbove = height < cursor.y - area.top && cursor.y < area.bottom;
        corner.y = fitsAbove ? cursor.y - height : area.bottom - height;
    }
    if (corner.x + width > area.right) {
        corner.x = area.right - width;
    }
    return corner;
}

}  // namespace orvane
