#include "paint/paper_painting.h"

#include <QPagedPaintDevice>
#include <algorithm>
#include <cmath>

#include "paint/qt_canvas.h"
#include "paint/qt_font.h"

namespace orvane {

QPalette PaperPalette() {
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    return QPalette(black, QColor(0xC0, 0xC0, 0xC0), white, QColor(0x80, 0x80, 0x80),
                    QColor(0xA0, 0xA0, 0xA0), black, white, white, white);
}

PagedOutput::PagedOutput(QPagedPaintDevice& device, const QtFontMetrics& fonts)
    : device_(device), fonts_(fonts) {}

PagedOutput::~PagedOutput() {
    canvas_.reset();
    if (painter_.isActive()) {
        painter_.end();
    }
}

Canvas& PagedOutput::NextPage() {
    if (!canvas_) {
        painter_.begin(&device_);
        canvas_ = std::make_unique<QtCanvas>(painter_, fonts_, PaperPalette());
    } else {
        device_.newPage();
    }
    ++pages_;
    return *canvas_;
}

bool PagedOutput::End() {
    canvas_.reset();
    return pages_ > 0 && painter_.end();
}

void PaintRecordedPage(QPainter& painter, SheetLayout& layout, const PageRecord& page,
                       const QtFontMetrics& fonts) {
    QtCanvas canvas(painter, fonts, PaperPalette());
    layout.DrawPage(canvas, page);
}

QImage PageImage(SheetLayout& layout, const PageRecord& page, const QtFontMetrics& fonts,
                 double scale) {
    const PaperPage& paper = layout.Page();
    const QSize size(std::max(1, static_cast<int>(std::lround(paper.width * scale))),
                     std::max(1, static_cast<int>(std::lround(paper.height * scale))));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.save();
    painter.scale(scale, scale);
    PaintRecordedPage(painter, layout, page, fonts);
    painter.restore();
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return image;
}

}  // namespace orvane
