#pragma once
// Text measuring for a font description. Sheets size their auto-width columns and
// auto-height rows with it; the drawing host measures with the same source, so layout
// and drawing agree.

#include <string_view>

#include "platform/font_description.h"

namespace orvane {

class FontMetrics {
public:
    virtual ~FontMetrics() = default;
    // The width in pixels of one line of text (no line breaks).
    virtual int TextWidth(const FontDescription& font, std::string_view line) const = 0;
    // The height in pixels of one line of text.
    virtual int LineHeight(const FontDescription& font) const = 0;
};

}  // namespace orvane
