#include "paint/qt_colour.h"

#include <array>

namespace orvane {
namespace {

struct SystemColourRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The desktop's system colours by index (1 to 20), as the nearest palette roles, so that
// a dark theme gives dark cells. Painting looks them up for every cell, hence the table.
constexpr std::array<SystemColourRole, 20> kSystemColourRoles = {{
    {QPalette::Active, QPalette::Dark},              // 1 desktop background
    {QPalette::Active, QPalette::Highlight},         // 2 active caption
    {QPalette::Active, QPalette::Mid},               // 3 inactive caption
    {QPalette::Active, QPalette::Window},            // 4 menu
    {QPalette::Active, QPalette::Base},              // 5 window
    {QPalette::Active, QPalette::Shadow},            // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::Text},              // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 caption text
    {QPalette::Active, QPalette::Window},            // 10 active border
    {QPalette::Active, QPalette::Window},            // 11 inactive border
    {QPalette::Active, QPalette::Mid},               // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlight text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Disabled, QPalette::WindowText},      // 19 inactive caption text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
}};

QColor SystemColour(const QPalette& palette, std::size_t index) {
    if (index == 0 || index > kSystemColourRoles.size()) {
        return palette.color(QPalette::Active, QPalette::WindowText);
    }
    const SystemColourRole& entry = kSystemColourRoles[index - 1];
    return palette.color(entry.group, entry.role);
}

}  // namespace

QColor ToQColor(Colour colour, const QPalette& palette) {
    if (IsSystemColour(colour)) {
        return SystemColour(palette, colour & 0xFFFFu);
    }
    // 0x00BBGGRR
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

}  // namespace orvane
