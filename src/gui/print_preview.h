#pragma once
// The preview window of printing: the laid-out pages one at a time at screen scale,
// paged with the tool bar or the keys, fitted to the window or at full size, with the
// Setting dialog that changes the printed font size and lays the sheets out again.
// Print closes it with the answer to print; it can also save the pages as a PDF file.

#include <QDialog>
#include <QImage>
#include <QPageSize>
#include <memory>
#include <string>
#include <vector>

#include "print/sheet_layout.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace orvane {

struct AppContext;
class QtFontMetrics;

struct PreviewSetup {
    PrintSources sources;
    PaperPage page;       // the printer's page
    QPageSize paperSize;  // the paper it is on, for saving as PDF
    // The sheets to preview, in order; those without pages are left out.
    std::vector<std::string> calls;
    // The open document's file, whose name and directory the PDF file is offered.
    std::string documentPath;
};

class PrintPreview final : public QDialog {
public:
    PrintPreview(QWidget* owner, AppContext& app, const QtFontMetrics& fonts, PreviewSetup setup);
    ~PrintPreview() override;

    int PageCount() const { return static_cast<int>(layout_->PreviewPages().size()); }
    // 0-based.
    int CurrentPage() const { return current_; }
    // Shows page `index`, kept within the pages.
    void ShowPage(int index);
    bool Zoomed() const;
    // The sheets that have pages, in order.
    const std::vector<std::string>& PreviewedCalls() const { return calls_; }

    // The tool bar's parts, by what they do.
    QAction* TopAction() const { return top_; }
    QAction* PreviousAction() const { return previous_; }
    QAction* NextAction() const { return next_; }
    QAction* LastAction() const { return last_; }
    QAction* ZoomAction() const { return zoom_; }
    QLineEdit* PageBox() const { return pageBox_; }
    QLabel* PageTotal() const { return total_; }
    QLabel* StatusPanel() const { return status_; }
    QPushButton* SettingButton() const { return setting_; }
    QPushButton* PrintButton() const { return print_; }
    QPushButton* PdfButton() const { return pdf_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class PageView;

    // Lays every previewed sheet out at the stored font size.
    void LayOut();
    void ChangeSetting();
    void SaveAsPdf();
    void ApplyZoom();
    void JumpToTypedPage();
    // Handles the paging and scrolling keys; false for any other key.
    bool PageKey(int key);
    void PlaceOnScreen();

    AppContext& app_;
    const QtFontMetrics& fonts_;
    PreviewSetup setup_;
    std::vector<std::string> calls_;
    std::unique_ptr<SheetLayout> layout_;
    double scale_ = 1.0;
    int current_ = 0;

    QAction* top_;
    QAction* previous_;
    QAction* next_;
    QAction* last_;
    QAction* zoom_;
    QLineEdit* pageBox_;
    QLabel* total_;
    QLabel* status_;
    QPushButton* setting_;
    QPushButton* print_;
    QPushButton* pdf_;
    QScrollArea* scroll_;
    PageView* view_;
};

}  // namespace orvane
