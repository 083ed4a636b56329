#include "gui/print_job.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include "app/app_context.h"
#include "app/main_controller.h"
#include "gui/pdf_export.h"
#include "gui/print_preview.h"
#include "gui/printing_window.h"
#include "paint/paper_painting.h"
#include "paint/pdf_file.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kAppTitleKey = "GI_Sys_AppTitle";
constexpr const char* kNoPrinterKey = "GI_Sys_Printer_NoPrinter";

PaperPage PageOf(const QPrinter& printer) {
    const int dpi = printer.resolution();
    const QRect paint = printer.pageLayout().paintRectPixels(dpi);
    return {paint.width(), paint.height(), dpi};
}

}  // namespace

PrintJob::PrintJob(QWidget& window, AppContext& app, const QtFontMetrics& fonts)
    : window_(window), app_(app), fonts_(fonts), task_(MakeTask(app.timers)) {
    task_->SetCallback([this](cmcTask&) { PrintNextSheet(); });
}

PrintJob::~PrintJob() {
    task_->Stop();
    output_.reset();
    delete printingWindow_.data();
}

PrintSources PrintJob::Sources() const {
    return PrintSources{controller_->SheetContext(), controller_->Evaluator(),
                        &controller_->ColumnWidths(), controller_->FontSizePercentage()};
}

void PrintJob::PrintSheet(const std::string& openCall, PrintTarget target) {
    if (openCall.empty() || task_->IsRunning()) {
        return;
    }
    std::vector<std::string> calls;
    if (controller_->CanPrintCurrent()) {
        calls.push_back(openCall);
    }
    if (target == PrintTarget::kPdfFile) {
        ExportPdf(calls);
    } else {
        Print(calls, false);
    }
}

void PrintJob::PrintSheets(const std::vector<std::string>& calls, const std::string& openCall,
                           PrintTarget target) {
    if (task_->IsRunning()) {
        return;
    }
    if (target == PrintTarget::kPdfFile) {
        ExportPdf(calls);
    } else if (!openCall.empty()) {
        Print(calls, true);
    }
}

void PrintJob::ExportPdf(const std::vector<std::string>& calls) {
    if (calls.empty()) {
        return;
    }
    const std::optional<std::string> path =
        ChoosePdfPath(&window_, app_, controller_->CurrentFilePath());
    if (!path) {
        return;
    }
    PdfFile file(QString::fromStdString(*path), LocalePaperSize(), fonts_);
    QString problem;
    if (!WriteSheetsAsPdf(Sources(), app_.settings.PrinterFontSize, calls, file, problem)) {
        ReportPdfFailure(app_, *path, problem);
    }
}

void PrintJob::Print(const std::vector<std::string>& calls, bool all) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        app_.prompter.Ask(Prompt{app_.texts.GetText(kAppTitleKey, 0),
                                 app_.texts.GetMultiLineText(kNoPrinterKey), PromptIcon::Error,
                                 PromptButtons::Ok});
        return;
    }
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setCopyCount(1);
    QPrintDialog setup(printer_.get(), &window_);
    if (setup.exec() != QDialog::Accepted) {
        printer_.reset();
        return;
    }
    window_.setEnabled(false);
    printingWindow_ = new PrintingWindow(&window_, app_.texts);
    const PaperPage page = PageOf(*printer_);
    bool print = false;
    {
        PrintPreview preview(&window_, app_, fonts_,
                             PreviewSetup{Sources(), page, printer_->pageLayout().pageSize(), calls,
                                          controller_->CurrentFilePath()});
        print = preview.exec() == QDialog::Accepted;
    }
    if (!print || calls.empty()) {
        Finish();
        return;
    }
    layout_ = std::make_unique<SheetLayout>(Sources(), page, app_.settings.PrinterFontSize);
    layout_->SetCancelled([this] { return printingWindow_->CancelRequested(); });
    output_ = std::make_unique<PagedOutput>(*printer_, fonts_);
    layout_->SetOutput(output_.get());
    printingWindow_->show();
    // The window paints before the first page is drawn.
    QCoreApplication::processEvents();
    if (all) {
        sheetNames_ = calls;
        nextSheet_ = 0;
        task_->Start(kSheetTickMs);
        return;
    }
    layout_->LayOutSheet(calls.front(), LayoutMode::kPrint);
    Finish();
}

void PrintJob::PrintNextSheet() {
    if (nextSheet_ < sheetNames_.size() && !printingWindow_->CancelRequested()) {
        layout_->LayOutSheet(sheetNames_[nextSheet_++], LayoutMode::kPrint);
        return;
    }
    task_->Stop();
    sheetNames_.clear();
    Finish();
}

void PrintJob::Finish() {
    if (output_) {
        output_->End();
        output_.reset();
    }
    layout_.reset();
    printer_.reset();
    delete printingWindow_.data();
    window_.setEnabled(true);
    window_.activateWindow();
}

}  // namespace orvane
