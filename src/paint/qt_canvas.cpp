#include "paint/qt_canvas.h"

#include "paint/mark_painting.h"
#include "paint/qt_colour.h"

#include <QPolygon>
#include <QString>
#include <vector>

namespace orvane {
namespace {

Colour ToPlain(const QColor& colour) {
    return static_cast<Colour>(colour.red()) | static_cast<Colour>(colour.green()) << 8 |
           static_cast<Colour>(colour.blue()) << 16;
}

}  // namespace

QRect ToQRect(const PixelRect& rect) {
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right, rect.bottom));
}

QtCanvas::QtCanvas(QPainter& painter, const QtFontMetrics& fonts, const QPalette& palette,
                   int imageSize)
    : painter_(painter), fonts_(fonts), palette_(palette), imageSize_(imageSize) {}

QColor QtCanvas::ToQColor(Colour colour) const { return orvane::ToQColor(colour, palette_); }

Colour QtCanvas::ResolveColour(Colour colour) const { return ToPlain(ToQColor(colour)); }

void QtCanvas::FillRect(const PixelRect& rect, Colour colour) {
    painter_.fillRect(ToQRect(rect), ToQColor(colour));
}

void QtCanvas::DrawLine(PixelPoint from, PixelPoint to, Colour colour) {
    // One device pixel wide whatever the scale, so that a page previewed small keeps its
    // rules.
    QPen pen(ToQColor(colour), 1, Qt::SolidLine, Qt::SquareCap);
    pen.setCosmetic(true);
    painter_.setPen(pen);
    painter_.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void QtCanvas::DrawPolygon(std::span<const PixelPoint> points, Colour fill, Colour outline,
                           int penWidth) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const PixelPoint& point : points) {
        polygon << QPoint(point.x, point.y);
    }
    painter_.setPen(QPen(ToQColor(outline), penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.setBrush(ToQColor(fill));
    painter_.drawPolygon(polygon);
}

void QtCanvas::DrawText(PixelPoint origin, std::string_view line, const FontDescription& font,
                        Colour colour) {
    painter_.setFont(fonts_.Font(font));
    painter_.setPen(ToQColor(colour));
    painter_.drawStaticText(QPoint(origin.x, origin.y), fonts_.Shaped(font, line).text);
}

void QtCanvas::PushClip(const PixelRect& rect) {
    painter_.save();
    painter_.setClipRect(ToQRect(rect),
                         painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void QtCanvas::PopClip() { painter_.restore(); }

void QtCanvas::DrawImage(int index, PixelPoint origin) {
    if (index != kWarningImage && index != kErrorImage) {
        return;  // the grid's image list holds only the two marks
    }
    PaintMark(painter_, index == kErrorImage, QRect(origin.x, origin.y, imageSize_, imageSize_));
}

int QtCanvas::TextWidth(const FontDescription& font, std::string_view line) const {
    return fonts_.TextWidth(font, line);
}

int QtCanvas::LineHeight(const FontDescription& font) const { return fonts_.LineHeight(font); }

}  // namespace orvane
