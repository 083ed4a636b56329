#pragma once
// Printed pages on a QPainter: the light palette of paper, and a recorded page drawn at
// any scale (the preview's page image, the printer and PDF pages at scale 1).

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <memory>

#include "print/sheet_layout.h"

class QPagedPaintDevice;

namespace orvane {

class QtCanvas;
class QtFontMetrics;

// White paper, black ink: the system colours a printed cell may still name.
QPalette PaperPalette();

// Pages drawn one after the other onto a paged device: a printer or a PDF writer.
class PagedOutput final : public PageOutput {
public:
    PagedOutput(QPagedPaintDevice& device, const QtFontMetrics& fonts);
    ~PagedOutput() override;
    PagedOutput(const PagedOutput&) = delete;
    PagedOutput& operator=(const PagedOutput&) = delete;

    Canvas& NextPage() override;
    int PageCount() const { return pages_; }
    // Ends the document; false when there was no page or the device failed.
    bool End();

private:
    QPagedPaintDevice& device_;
    const QtFontMetrics& fonts_;
    QPainter painter_;
    std::unique_ptr<QtCanvas> canvas_;
    int pages_ = 0;
};

// Draws `page` of `layout` onto `painter`, whose coordinates are the page's pixels.
void PaintRecordedPage(QPainter& painter, SheetLayout& layout, const PageRecord& page,
                       const QtFontMetrics& fonts);

// The page as an image `scale` times the page's pixel size: white, with a black border,
// and the frame and block of the record.
QImage PageImage(SheetLayout& layout, const PageRecord& page, const QtFontMetrics& fonts,
                 double scale);

}  // namespace orvane
