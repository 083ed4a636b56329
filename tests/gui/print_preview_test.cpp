// Printing from the window, offscreen on the real controller: the preview's paging
// buttons, keys and page label, its Setting dialog, its PDF button, File > Print >
// Export PDF without a printer, and Print saying when there is no printer.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "gui/print_preview.h"
#include "gui/printing_window.h"
#include "paint/pdf_file.h"
#include "support/process_runner.h"
#include "window_fixture.h"

namespace orvane {
namespace {

using testing::WindowFixture;

class PrintPreviewTest : public WindowFixture {
protected:
    std::unique_ptr<PrintPreview> OpenPreview() {
        const SheetEnvironment sheets = controller->SheetContext();
        return std::make_unique<PrintPreview>(
            window.get(), Context(), window->Fonts(),
            PreviewSetup{
                PrintSources{sheets, controller->Evaluator(), &controller->ColumnWidths(), 100},
                PaperPage{4961, 7016, 600}, QPageSize(QPageSize::A4), controller->TreeSheetCalls(),
                HomePath("club.zcf").toStdString()});
    }
    // Runs `step` on the modal dialog the next call opens, once it shows.
    static void WhenModalShows(const std::function<void(QWidget&)>& step) {
        QTimer::singleShot(0, [step] {
            ASSERT_TRUE(
                QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
            step(*QApplication::activeModalWidget());
        });
    }
    static void SaveAs(const QString& path) {
        WhenModalShows([path](QWidget& modal) {
            auto* dialog = qobject_cast<QFileDialog*>(&modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->nameFilters(), QStringList{"PDF files (*.pdf)"});
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    }
    static int PdfPages(const QString& path) {
        const testing::ProcessResult info =
            testing::RunProcess("/usr/bin/pdfinfo", {path.toStdString()});
        const std::size_t at = info.out.find("Pages:");
        return at == std::string::npos ? -1 : std::stoi(info.out.substr(at + 6));
    }
};

// One preview through its paging, its Setting dialog and its PDF button; the Export PDF
// menu then writes the same pages.
TEST_F(PrintPreviewTest, PagingSettingAndPdfOfThePreviewAndTheExportMenu) {
    Launch();
    Settings().PrinterFontSize = 12;
    const auto preview = OpenPreview();
    const int n = preview->PageCount();
    ASSERT_GE(n, 14) << "Bank Operation, ten banks, WX, common settings, clone comment";
    struct Step {
        const char* name;
        std::function<void(PrintPreview&)> act;
        int page;
    };
    const auto type = [](const char* keys) {
        return [keys](PrintPreview& p) {
            p.PageBox()->selectAll();
            QTest::keyClicks(p.PageBox(), keys);
            QTest::keyClick(p.PageBox(), Qt::Key_Return);
        };
    };
    const Step steps[] = {
        {"opens on the first page", [](PrintPreview&) {}, 0},
        {"next", [](PrintPreview& p) { p.NextAction()->trigger(); }, 1},
        {"last", [](PrintPreview& p) { p.LastAction()->trigger(); }, n - 1},
        {"next on the last page", [](PrintPreview& p) { p.NextAction()->trigger(); }, n - 1},
        {"page up", [](PrintPreview& p) { QTest::keyClick(p.PageBox(), Qt::Key_PageUp); }, n - 2},
        {"top", [](PrintPreview& p) { p.TopAction()->trigger(); }, 0},
        {"page down", [](PrintPreview& p) { QTest::keyClick(p.PageBox(), Qt::Key_PageDown); }, 1},
        {"previous", [](PrintPreview& p) { p.PreviousAction()->trigger(); }, 0},
        {"typed number", type("3"), 2},
        {"letters are not taken", type("x5y"), 4},
        {"past the last page", type("99"), n - 1},
    };
    for (const Step& step : steps) {
        step.act(*preview);
        const int page = preview->CurrentPage();
        EXPECT_EQ(page, step.page) << step.name;
        EXPECT_EQ(preview->PageBox()->text(), QString::number(page + 1)) << step.name;
        EXPECT_EQ(preview->PageTotal()->text(), QStringLiteral(" / %1").arg(n)) << step.name;
        EXPECT_EQ(preview->StatusPanel()->text(), QString::asprintf(" %d / %d", page + 1, n))
            << step.name;
        EXPECT_EQ(preview->TopAction()->isEnabled(), page > 0) << step.name;
        EXPECT_EQ(preview->PreviousAction()->isEnabled(), page > 0) << step.name;
        EXPECT_EQ(preview->NextAction()->isEnabled(), page < n - 1) << step.name;
        EXPECT_EQ(preview->LastAction()->isEnabled(), page < n - 1) << step.name;
    }
    preview->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preview.get()));
    preview->ShowPage(1);
    SaveShot(*preview, "print_preview");
    preview->ZoomAction()->trigger();
    EXPECT_TRUE(preview->Zoomed());
    SaveShot(*preview, "print_preview_zoomed");

    // Setting "1" is 8 points, and the sheets are laid out again from the first page.
    const int largePages = preview->PageCount();
    QStringList offered;
    int openedOn = -1;
    WhenModalShows([&](QWidget& dialog) {
        auto* sizes = dialog.findChild<QComboBox*>();
        ASSERT_NE(sizes, nullptr);
        for (int i = 0; i < sizes->count(); ++i) {
            offered << sizes->itemText(i);
        }
        openedOn = sizes->currentIndex();
        sizes->setCurrentIndex(0);
        qobject_cast<QDialog*>(&dialog)->accept();
    });
    preview->SettingButton()->click();
    EXPECT_EQ(offered, (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(openedOn, 4);
    EXPECT_EQ(Settings().PrinterFontSize, 8);
    EXPECT_EQ(preview->CurrentPage(), 0);
    EXPECT_LE(preview->PageCount(), largePages);
    EXPECT_EQ(preview->PreviewedCalls().size(), 14u);

    SaveAs(HomePath("preview.pdf"));
    preview->PdfButton()->click();
    EXPECT_EQ(PdfPages(HomePath("preview.pdf")), preview->PageCount());
    QAction* exportMenu = MenuAction("Export &PDF");
    ASSERT_NE(exportMenu, nullptr);
    QAction* all = exportMenu->menu()->actions().at(1);
    emit exportMenu->menu()->aboutToShow();
    SaveAs(HomePath("menu.pdf"));
    all->trigger();
    EXPECT_EQ(PdfPages(HomePath("menu.pdf")), preview->PageCount());
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(PrintPreviewTest, PrintWithoutAPrinterSaysThereIsNone) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        GTEST_SKIP() << "this machine has a printer";
    }
    Launch();
    Choose("&All...");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              "No printer is found.\nInstall a printer or check the connection, etc.");
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Error);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(PrintPreviewTest, TheNowPrintingWindowIsSizedFromItsLabelAndCancels) {
    Launch();
    PrintingWindow printing(window.get(), texts);
    auto* label = printing.findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(printing.windowTitle(), "Print");
    EXPECT_EQ(label->text(), "Now Printing");
    EXPECT_EQ(printing.CancelButton()->text(), "Cancel");
    const QSize text = label->sizeHint();
    const int buttonHeight = printing.CancelButton()->height();
    EXPECT_EQ(printing.size(), QSize(2 * text.width(), 3 * (text.height() + buttonHeight)));
    EXPECT_EQ(printing.CancelButton()->width(), static_cast<int>(1.2 * text.width()));
    EXPECT_EQ(label->geometry().top(), 2 * text.height());
    EXPECT_EQ(printing.CancelButton()->geometry().top(),
              printing.height() - static_cast<int>(1.5 * buttonHeight));
    EXPECT_TRUE(printing.CancelButton()->isDefault());
    EXPECT_FALSE(printing.CancelRequested());
    printing.CancelButton()->click();
    EXPECT_TRUE(printing.CancelRequested());
}

}  // namespace
}  // namespace orvane
