#pragma once
// Fonts of the definitions as Qt fonts, and text measuring with them: the one place
// where a FontDescription becomes something Qt can draw or measure.

#include <QFont>
#include <QStaticText>
#include <QFontMetrics>
#include <cstddef>
#include <unordered_map>

#include "platform/font_description.h"
#include "platform/font_metrics.h"

namespace orvane {

// Faces that only exist on the platform the definitions were written for map to the
// desktop's general font, so text looks native instead of falling back at random.
QFont ToQFont(const FontDescription& description);

// Measures with Qt fonts made once per font and kept: a sheet asks for the same few
// fonts for every cell it lays out and draws. The font colour plays no part in a Qt font,
// so descriptions that differ only in colour share one entry.
class QtFontMetrics final : public FontMetrics {
public:
    int TextWidth(const FontDescription& font, std::string_view line) const override;
    int LineHeight(const FontDescription& font) const override;

    const QFont& Font(const FontDescription& font) const;
    const QFontMetrics& Metrics(const FontDescription& font) const;

    // A line laid out once in a font: painting a sheet draws and measures the same few
    // hundred texts again and again, and shaping them anew each time is most of the cost.
    struct ShapedLine {
        QStaticText text;
        int width = 0;
    };
    const ShapedLine& Shaped(const FontDescription& font, std::string_view line) const;

private:
    // Enough for every text of the largest sheet; past it the lines are shaped afresh.
    static constexpr std::size_t kShapedLinesPerFont = 4096;

    struct Entry {
        QFont font;
        QFontMetrics metrics;
        std::unordered_map<std::string, ShapedLine> lines;
    };
    struct ShapeHash {
        std::size_t operator()(const FontDescription& font) const;
    };
    struct SameShape {
        bool operator()(const FontDescription& a, const FontDescription& b) const;
    };
    Entry& EntryFor(const FontDescription& font) const;

    mutable std::unordered_map<FontDescription, Entry, ShapeHash, SameShape> cache_;
};

}  // namespace orvane
