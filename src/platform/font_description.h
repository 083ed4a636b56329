#pragma once
// A font as the definitions describe it: character set, face, colour, height, style
// and pitch. It is a value: every cell that has a font owns its own copy.

#include <cstdint>
#include <string>

namespace orvane {

struct FontDescription {
    enum Style : std::uint8_t {
        kBold = 1,
        kItalic = 2,
        kUnderline = 4,
        kStrikeOut = 8,
    };
    enum class Pitch : std::uint8_t { Default, Fixed, Variable };

    std::int32_t charset = 1;  // the default character set
    std::string face;
    // 0x00BBGGRR, or 0xFF000000 plus a system colour index.
    std::uint32_t colour = 0xFF000008;  // the window text colour
    // Negative: the character height in pixels; positive: the cell height including the
    // internal leading. The point size is derived from it (see font_spec.h).
    std::int32_t height = -11;
    std::uint8_t style = 0;
    Pitch pitch = Pitch::Default;

    bool operator==(const FontDescription&) const = default;
};

}  // namespace orvane
