#pragma once
// The cell canvas on a QPainter: the grid widget, a printer page or a preview image.
// System colours come from a palette, so the sheets follow the desktop theme, dark ones
// included; the warning and error marks are small vector icons of the image-list size.

#include <QPainter>
#include <QPalette>

#include "paint/qt_font.h"
#include "sheet/canvas.h"

namespace orvane {

// The same pixels as a Qt rectangle.
QRect ToQRect(const PixelRect& rect);

class QtCanvas final : public Canvas {
public:
    static constexpr int kDefaultImageSize = 16;

    // `painter` must stay active while the canvas is used. The canvas sets its pen, brush
    // and font as it draws; clips are undone by PopClip.
    QtCanvas(QPainter& painter, const QtFontMetrics& fonts, const QPalette& palette,
             int imageSize = kDefaultImageSize);

    Colour ResolveColour(Colour colour) const override;
    void FillRect(const PixelRect& rect, Colour colour) override;
    void DrawLine(PixelPoint from, PixelPoint to, Colour colour) override;
    void DrawPolygon(std::span<const PixelPoint> points, Colour fill, Colour outline,
                     int penWidth) override;
    void DrawText(PixelPoint origin, std::string_view line, const FontDescription& font,
                  Colour colour) override;
    void PushClip(const PixelRect& rect) override;
    void PopClip() override;
    void DrawImage(int index, PixelPoint origin) override;
    int ImageSize() const override { return imageSize_; }
    int TextWidth(const FontDescription& font, std::string_view line) const override;
    int LineHeight(const FontDescription& font) const override;


private:
    QColor ToQColor(Colour colour) const;

    QPainter& painter_;
    const QtFontMetrics& fonts_;
    QPalette palette_;
    int imageSize_;
};

}  // namespace orvane
