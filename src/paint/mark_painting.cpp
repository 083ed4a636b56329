#include "paint/mark_painting.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>

#include "sheet/mark_shape.h"

namespace orvane {
namespace {

const QColor kErrorFill(0xD0, 0x20, 0x20);
const QColor kErrorOutline(0x80, 0x00, 0x00);
const QColor kWarningFill(0xFF, 0xCC, 0x00);
const QColor kWarningOutline(0x80, 0x60, 0x00);
const QColor kExclamation(0x20, 0x20, 0x20);

template <typename Points>
QPolygon ToQPolygon(const Points& points) {
    QPolygon polygon;
    for (const PixelPoint& point : points) {
        polygon << QPoint(point.x, point.y);
    }
    return polygon;
}

class MarkIconEngine final : public QIconEngine {
public:
    explicit MarkIconEngine(bool error) : error_(error) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        PaintMark(*painter, error_, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap image(size);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, image.rect(), mode, state);
        return image;
    }

    QIconEngine* clone() const override { return new MarkIconEngine(error_); }

private:
    bool error_;
};

}  // namespace

void PaintMark(QPainter& painter, bool error, const QRect& box) {
    const MarkShape mark =
        ShapeOfMark(error, std::min(box.width(), box.height()), {box.left(), box.top()});
    painter.save();
    // A wide outline would otherwise bleed into the neighbouring pixels.
    painter.setClipRect(box, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    // The polygons name whole pixels: drawn unsmoothed they stay crisp at small sizes.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(error ? kErrorOutline : kWarningOutline, mark.outlineWidth, Qt::SolidLine,
                        Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(error ? kErrorFill : kWarningFill);
    painter.drawPolygon(ToQPolygon(mark.body));
    painter.setPen(QPen(kExclamation, 1));
    painter.setBrush(kExclamation);
    for (const auto& detail : mark.details) {
        painter.drawPolygon(ToQPolygon(detail));
    }
    painter.restore();
}

QIcon MarkIcon(bool error) { return QIcon(new MarkIconEngine(error)); }

}  // namespace orvane
