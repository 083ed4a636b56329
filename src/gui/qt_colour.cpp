#include "gui/qt_colour.h"

#include <array>

namespace orvane {
namespace {

struct SystemColourRole {
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The desktop's system colours by index, as the nearest palette roles, so that a dark
// theme gives dark cells.
constexpr std::array<SystemColourRole, 20> kSystemColourRoles = {{
    {1, QPalette::Active, QPalette::Dark},              // desktop background
    {2, QPalette::Active, QPalette::Highlight},         // active caption
    {3, QPalette::Active, QPalette::Mid},               // inactive caption
    {4, QPalette::Active, QPalette::Window},            // menu
    {5, QPalette::Active, QPalette::Base},              // window
    {6, QPalette::Active, QPalette::Shadow},            // window frame
    {7, QPalette::Active, QPalette::WindowText},        // menu text
    {8, QPalette::Active, QPalette::Text},              // window text
    {9, QPalette::Active, QPalette::HighlightedText},   // caption text
    {10, QPalette::Active, QPalette::Window},           // active border
    {11, QPalette::Active, QPalette::Window},           // inactive border
    {12, QPalette::Active, QPalette::Mid},              // application workspace
    {13, QPalette::Active, QPalette::Highlight},        // highlight
    {14, QPalette::Active, QPalette::HighlightedText},  // highlight text
    {15, QPalette::Active, QPalette::Button},           // button face
    {16, QPalette::Active, QPalette::Dark},             // button shadow
    {17, QPalette::Disabled, QPalette::Text},           // grey text
    {18, QPalette::Active, QPalette::ButtonText},       // button text
    {19, QPalette::Disabled, QPalette::WindowText},     // inactive caption text
    {20, QPalette::Active, QPalette::Light},            // button highlight
}};

QColor SystemColour(const QPalette& palette, int index) {
    for (const SystemColourRole& entry : kSystemColourRoles) {
        if (entry.index == index) {
            return palette.color(entry.group, entry.role);
        }
    }
    // Index 0 and unknown indexes.
    return palette.color(QPalette::Active, QPalette::WindowText);
}

}  // namespace

QColor ToQColor(Colour colour, const QPalette& palette) {
    if (IsSystemColour(colour)) {
        return SystemColour(palette, static_cast<int>(colour & 0xFFFFu));
    }
    // 0x00BBGGRR
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

}  // namespace orvane
