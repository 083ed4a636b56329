#pragma once
// Fonts of the definitions as Qt fonts, and text measuring with them: the one place
// where a FontDescription becomes something Qt can draw or measure.

#include <QFont>

#include "platform/font_description.h"
#include "platform/font_metrics.h"

namespace orvane {

// Faces that only exist on the platform the definitions were written for map to the
// desktop's general font, so text looks native instead of falling back at random.
QFont ToQFont(const FontDescription& description);

class QtFontMetrics final : public FontMetrics {
public:
    int TextWidth(const FontDescription& font, std::string_view line) const override;
    int LineHeight(const FontDescription& font) const override;
};

}  // namespace orvane
