#include "gui/qt_canvas.h"

#include "gui/qt_colour.h"

#include <QPolygon>
#include <QString>
#include <vector>

namespace orvane {
namespace {

Colour ToPlain(const QColor& colour) {
    return static_cast<Colour>(colour.red()) | static_cast<Colour>(colour.green()) << 8 |
           static_cast<Colour>(colour.blue()) << 16;
}

QRect ToQRect(const PixelRect& rect) {
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right, rect.bottom));
}

QColor WithAlpha(const QColor& colour, int alpha) {
    QColor translucent = colour;
    translucent.setAlpha(alpha);
    return translucent;
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, const QtFontMetrics& fonts, const QPalette& palette,
                   int imageSize)
    : painter_(painter), fonts_(fonts), palette_(palette), imageSize_(imageSize) {}

QColor QtCanvas::ToQColor(Colour colour) const { return orvane::ToQColor(colour, palette_); }

Colour QtCanvas::ResolveColour(Colour colour) const { return ToPlain(ToQColor(colour)); }

void QtCanvas::FillRect(const PixelRect& rect, Colour colour) {
    painter_.fillRect(ToQRect(rect), ToQColor(colour));
}

void QtCanvas::DrawLine(PixelPoint from, PixelPoint to, Colour colour) {
    painter_.setPen(QPen(ToQColor(colour), 1, Qt::SolidLine, Qt::SquareCap));
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
    const QRectF box(origin.x, origin.y, imageSize_, imageSize_);
    painter_.save();
    // Smoothed edges would bleed into the neighbouring pixels.
    painter_.setClipRect(box, painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_.setRenderHint(QPainter::Antialiasing);
    if (index == kWarningImage) {
        DrawWarningIcon(box);
    } else {
        DrawErrorIcon(box);
    }
    painter_.restore();
}

// A yellow triangle with a dark exclamation mark.
void QtCanvas::DrawWarningIcon(const QRectF& box) {
    const qreal s = box.width();
    const QPointF triangle[] = {box.topLeft() + QPointF(s / 2, s * 0.06),
                                box.topLeft() + QPointF(s * 0.97, s * 0.94),
                                box.topLeft() + QPointF(s * 0.03, s * 0.94)};
    painter_.setPen(QPen(QColor(0x80, 0x60, 0x00), std::max(1.0, s / 16)));
    painter_.setBrush(QColor(0xFF, 0xCC, 0x00));
    painter_.drawPolygon(triangle, 3);
    const qreal x = box.left() + s / 2;
    painter_.setPen(
        QPen(QColor(0x20, 0x20, 0x20), std::max(1.5, s / 8), Qt::SolidLine, Qt::RoundCap));
    painter_.drawLine(QPointF(x, box.top() + s * 0.38), QPointF(x, box.top() + s * 0.64));
    painter_.drawPoint(QPointF(x, box.top() + s * 0.80));
}

// A red disc with a white diagonal cross.
void QtCanvas::DrawErrorIcon(const QRectF& box) {
    const qreal s = box.width();
    painter_.setPen(QPen(WithAlpha(QColor(0x80, 0x00, 0x00), 200), std::max(1.0, s / 16)));
    painter_.setBrush(QColor(0xD0, 0x20, 0x20));
    painter_.drawEllipse(box.adjusted(s * 0.04, s * 0.04, -s * 0.04, -s * 0.04));
    painter_.setPen(QPen(Qt::white, std::max(1.5, s / 8), Qt::SolidLine, Qt::RoundCap));
    const qreal inner = s * 0.32;
    const qreal outer = s * 0.68;
    painter_.drawLine(box.topLeft() + QPointF(inner, inner), box.topLeft() + QPointF(outer, outer));
    painter_.drawLine(box.topLeft() + QPointF(outer, inner), box.topLeft() + QPointF(inner, outer));
}

int QtCanvas::TextWidth(const FontDescription& font, std::string_view line) const {
    return fonts_.TextWidth(font, line);
}

int QtCanvas::LineHeight(const FontDescription& font) const { return fonts_.LineHeight(font); }

}  // namespace orvane
