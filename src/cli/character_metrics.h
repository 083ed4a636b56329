#pragma once
// Text measuring without a display: every character one fixed cell. The command-line
// tool lays sheets out only to read their cells, never to draw them.

#include "platform/font_metrics.h"

namespace orvane::cli {

class CharacterMetrics final : public FontMetrics {
public:
    static constexpr int kCharacterWidth = 8;
    static constexpr int kLineHeight = 16;

    int TextWidth(const FontDescription&, std::string_view line) const override {
        return static_cast<int>(line.size()) * kCharacterWidth;
    }
    int LineHeight(const FontDescription&) const override { return kLineHeight; }
};

}  // namespace orvane::cli
