#pragma once
// Text measuring with fixed, predictable metrics: every byte is half the font's pixel
// height wide (at least 1), and a line is the pixel height plus 3 for character heights
// (negative) or exactly the cell height (positive).

#include <algorithm>
#include <cstdlib>

#include "platform/font_metrics.h"

namespace orvane::testing {

class FakeFontMetrics final : public FontMetrics {
public:
    static int CharWidth(const FontDescription& font) {
        return std::max(1, std::abs(font.height) / 2);
    }
    int TextWidth(const FontDescription& font, std::string_view line) const override {
        return static_cast<int>(line.size()) * CharWidth(font);
    }
    int LineHeight(const FontDescription& font) const override {
        return font.height < 0 ? -font.height + 3 : std::max(1, font.height);
    }
};

}  // namespace orvane::testing
