#include "gui/qt_colour.h"

namespace orvane {
namespace {

// The palette roles that play the part of the system colours the definitions use;
// system colours without a counterpart fall back to the window text.
QPalette::ColorRole RoleOfSystemColour(Colour colour) {
    switch (colour) {
        case colour::kWindow:
            return QPalette::Base;
        case colour::kHighlight:
            return QPalette::Highlight;
        case colour::kHighlightText:
            return QPalette::HighlightedText;
        case colour::kBtnFace:
            return QPalette::Button;
        case colour::kGrayText:
            return QPalette::PlaceholderText;
        default:
            return QPalette::WindowText;
    }
}

}  // namespace

QColor ToQColor(Colour colour, const QPalette& palette) {
    if (IsSystemColour(colour)) {
        return palette.color(QPalette::Active, RoleOfSystemColour(colour));
    }
    // 0x00BBGGRR
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

}  // namespace orvane
