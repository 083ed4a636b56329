#pragma once
// Printed pages written as a PDF file, text as text. The file is written under a
// temporary name beside its own and takes its name only when complete, so a failure
// leaves nothing half-written behind.

#include <QPageSize>
#include <QSaveFile>
#include <QString>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "print/sheet_layout.h"

class QPdfWriter;

namespace orvane {

class PagedOutput;
class QtFontMetrics;

// The paper of the user's locale: Letter where it measures in inches, A4 elsewhere.
QPageSize LocalePaperSize();

class PdfFile final : public PageOutput {
public:
    static constexpr int kDpi = 600;

    PdfFile(const QString& path, const QPageSize& paper, const QtFontMetrics& fonts,
            int dpi = kDpi);
    ~PdfFile() override;
    PdfFile(const PdfFile&) = delete;
    PdfFile& operator=(const PdfFile&) = delete;

    // Starts writing; false, with the reason in `problem`, when the file cannot be made.
    bool Open(QString& problem);
    // The whole sheet of paper at the file's resolution.
    PaperPage Page() const;
    Canvas& NextPage() override;
    int PageCount() const;
    // Ends the document and gives the file its name. A document without pages is not
    // kept.
    bool Finish(QString& problem);

private:
    QSaveFile file_;
    QPageSize paper_;
    const QtFontMetrics& fonts_;
    int dpi_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<PagedOutput> output_;
};

// Lays out the sheets of `calls` on the file's paper and writes their pages.
bool WriteSheetsAsPdf(const PrintSources& sources, int fontPoints,
                      std::span<const std::string> calls, PdfFile& file, QString& problem);

// Writes pages recorded by `layout`, as they are, at the layout's resolution.
bool WriteRecordedPagesAsPdf(SheetLayout& layout, const std::vector<PageRecord>& pages,
                             PdfFile& file, QString& problem);

}  // namespace orvane
