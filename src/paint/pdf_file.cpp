#include "paint/pdf_file.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPdfWriter>

#include "paint/paper_painting.h"

namespace orvane {

QPageSize LocalePaperSize() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

PdfFile::PdfFile(const QString& path, const QPageSize& paper, const QtFontMetrics& fonts, int dpi)
    : file_(path), paper_(paper), fonts_(fonts), dpi_(dpi) {}

PdfFile::~PdfFile() {
    output_.reset();
    writer_.reset();
    // An unfinished file is dropped with its temporary file.
    file_.cancelWriting();
}

bool PdfFile::Open(QString& problem) {
    if (!file_.open(QIODevice::WriteOnly)) {
        problem = file_.errorString();
        return false;
    }
    writer_ = std::make_unique<QPdfWriter>(&file_);
    writer_->setResolution(dpi_);
    writer_->setPageSize(paper_);
    writer_->setPageMargins(QMarginsF(0, 0, 0, 0));
    writer_->setCreator(QCoreApplication::applicationName());
    output_ = std::make_unique<PagedOutput>(*writer_, fonts_);
    return true;
}

PaperPage PdfFile::Page() const {
    const QRect full = paper_.rectPixels(dpi_);
    return {full.width(), full.height(), dpi_};
}

Canvas& PdfFile::NextPage() { return output_->NextPage(); }

int PdfFile::PageCount() const { return output_ ? output_->PageCount() : 0; }

bool PdfFile::Finish(QString& problem) {
    if (PageCount() == 0) {
        problem = QStringLiteral("there is no page to write");
        return false;
    }
    if (!output_->End()) {
        problem = QStringLiteral("the PDF document could not be completed");
        return false;
    }
    if (!file_.commit()) {
        problem = file_.errorString();
        return false;
    }
    return true;
}

bool WriteSheetsAsPdf(const PrintSources& sources, int fontPoints,
                      std::span<const std::string> calls, PdfFile& file, QString& problem) {
    if (!file.Open(problem)) {
        return false;
    }
    SheetLayout layout(sources, file.Page(), fontPoints);
    layout.SetOutput(&file);
    for (const std::string& call : calls) {
        layout.LayOutSheet(call, LayoutMode::kPrint);
    }
    return file.Finish(problem);
}

bool WriteRecordedPagesAsPdf(SheetLayout& layout, const std::vector<PageRecord>& pages,
                             PdfFile& file, QString& problem) {
    if (!file.Open(problem)) {
        return false;
    }
    for (const PageRecord& page : pages) {
        layout.DrawPage(file.NextPage(), page);
    }
    return file.Finish(problem);
}

}  // namespace orvane
