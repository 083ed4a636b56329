#pragma once
// The print commands' printer in the desktop program. Printing asks for a printer
// (saying so when the system has none), shows the setup dialog and the preview, and
// sends the pages to the printer with the "Now Printing" window up and the main window
// disabled: the open sheet at once, all sheets one per 50 ms tick. Exporting a PDF file
// needs no printer: the save dialog, then the same pages on the locale's paper.

#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "app/sheet_printer.h"
#include "base/cmc_task.h"
#include "gui/printing_window.h"
#include "print/sheet_layout.h"

class QPrinter;
class QWidget;

namespace orvane {

struct AppContext;
class MainController;
class PagedOutput;
class QtFontMetrics;

class PrintJob final : public SheetPrinter {
public:
    static constexpr int kSheetTickMs = 50;

    PrintJob(QWidget& window, AppContext& app, const QtFontMetrics& fonts);
    ~PrintJob() override;
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // The controller whose sheets and data are printed; once, before any command.
    void Attach(MainController& controller) { controller_ = &controller; }

    void PrintSheet(const std::string& openCall, PrintTarget target) override;
    void PrintSheets(const std::vector<std::string>& calls, const std::string& openCall,
                     PrintTarget target) override;

    // The "Now Printing" window while pages go to the printer, else null.
    PrintingWindow* Window() const { return printingWindow_.data(); }

private:
    void Print(const std::vector<std::string>& calls, bool all);
    void ExportPdf(const std::vector<std::string>& calls);
    PrintSources Sources() const;
    // The all-sheets task's tick: the next sheet, or the end of the document.
    void PrintNextSheet();
    // Ends the document, if one was begun, and gives the main window back.
    void Finish();

    QWidget& window_;
    AppContext& app_;
    const QtFontMetrics& fonts_;
    MainController* controller_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    QPointer<PrintingWindow> printingWindow_;
    std::unique_ptr<SheetLayout> layout_;
    std::unique_ptr<PagedOutput> output_;
    std::vector<std::string> sheetNames_;
    std::size_t nextSheet_ = 0;
    cmcTaskPtr task_;
};

}  // namespace orvane
