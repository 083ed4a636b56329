#pragma once
// A surface cells are drawn on: the screen grid, a printer page or a preview page.
//
// Coordinates are device pixels (see pixel_geometry.h).
//
// Colours handed to a canvas may be system colours (0xFF000000 plus the system colour
// index, see colour_table.h). Resolving them is the canvas's job, because only the
// surface knows its palette: a screen canvas follows the desktop theme (dark themes
// included), a printer canvas may use a fixed light palette. ResolveColour gives the
// painter the same answer, so colours it derives (the row tint, the inactive selection)
// agree with what the canvas draws.
//
// A canvas also measures text, with the fonts it draws in, so that positions computed
// from the measurements match the drawing.

#include <span>
#include <string_view>

#include "platform/font_description.h"
#include "platform/font_metrics.h"
#include "sheet/colour_table.h"
#include "sheet/pixel_geometry.h"

namespace orvane {

class Canvas : public FontMetrics {
public:
    // The images of the sheet's image list that cells use: the warning and error marks.
    static constexpr int kWarningImage = 4;
    static constexpr int kErrorImage = 5;

    // The plain 0x00BBGGRR colour a system colour stands for on this surface; a plain
    // colour comes back unchanged.
    virtual Colour ResolveColour(Colour colour) const = 0;

    virtual void FillRect(const PixelRect& rect, Colour colour) = 0;
    // A one-pixel line that includes both end points.
    virtual void DrawLine(PixelPoint from, PixelPoint to, Colour colour) = 0;
    // A closed polygon filled with `fill`, its outline drawn `penWidth` pixels wide.
    virtual void DrawPolygon(std::span<const PixelPoint> points, Colour fill, Colour outline,
                             int penWidth) = 0;
    // One line of text, its top left corner at `origin`, on a transparent background.
    // The font's own colour is ignored: the caller decides the colour.
    virtual void DrawText(PixelPoint origin, std::string_view line, const FontDescription& font,
                          Colour colour) = 0;

    // Limits every drawing to `rect` (within any clip already pushed) until the matching
    // PopClip.
    virtual void PushClip(const PixelRect& rect) = 0;
    virtual void PopClip() = 0;

    // Image `index` of the image list, its top left corner at `origin`.
    virtual void DrawImage(int index, PixelPoint origin) = 0;
    // The height of the image list's images, which are square.
    virtual int ImageSize() const = 0;
};

// Clips a canvas to a rectangle for the lifetime of the object.
class CanvasClip {
public:
    CanvasClip(Canvas& canvas, const PixelRect& rect) : canvas_(canvas) { canvas_.PushClip(rect); }
    ~CanvasClip() { canvas_.PopClip(); }
    CanvasClip(const CanvasClip&) = delete;
    CanvasClip& operator=(const CanvasClip&) = delete;

private:
    Canvas& canvas_;
};

}  // namespace orvane
