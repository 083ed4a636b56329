// The main window's dialogs: the COM port dialog and its range check, the About box and
// the clone information window over a disabled main window, and the file chooser.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QWindow>

#include "app/sheet_text.h"
#include "gui/about_box.h"
#include "gui/airport_dialog.h"
#include "gui/com_port_dialog.h"
#include "gui/progress_window.h"
#include "gui/sheet_dialog.h"
#include "gui/sheet_grid.h"
#include "window_fixture.h"

namespace orvane {
namespace {

using testing::WindowFixture;

class WindowDialogsTest : public WindowFixture {
protected:
    // Runs `step` on the modal dialog the next call opens, once it shows.
    static void WhenModalShows(const std::function<void(QWidget&)>& step) {
        QTimer::singleShot(0, [step] {
            ASSERT_TRUE(
                QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
            step(*QApplication::activeModalWidget());
        });
    }

    static QPushButton* Button(QWidget& dialog, const QString& text) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == text) {
                return button;
            }
        }
        return nullptr;
    }

    static std::string Joined(const std::vector<std::string>& rows) {
        std::string joined;
        for (const std::string& row : rows) {
            joined += row + "\n";
        }
        return joined;
    }

    static QStringList LabelTexts(const QWidget& dialog) {
        QStringList texts;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) {
                texts << label->text();
            }
        }
        return texts;
    }
};

TEST_F(WindowDialogsTest, ComPortDialogRefusesNumbersOutsideTheRange) {
    Launch();
    ComPortDialog dialog(texts, prompter, 7, window.get());
    dialog.show();
    auto* edit = dialog.findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "7");
    EXPECT_EQ(edit->maxLength(), 4);
    QPushButton* ok = Button(dialog, "OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());

    for (const char* refused : {"0", "257", "abc", "-3", ""}) {
        prompter.shown.clear();
        edit->setText(refused);
        ok->setFocus();
        QTest::mouseClick(ok, Qt::LeftButton);
        ASSERT_EQ(prompter.shown.size(), 1u) << "'" << refused << "'";
        EXPECT_EQ(prompter.shown[0].text, "The numerical value is outside the range.");
        EXPECT_EQ(prompter.shown[0].caption, "Orvane");
        EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Error);
        EXPECT_TRUE(dialog.isVisible()) << refused;
        EXPECT_EQ(dialog.focusWidget(), edit) << refused;
    }
    prompter.shown.clear();
    edit->setText(" 12 ");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Port(), 12);
}

TEST_F(WindowDialogsTest, AirportDialogNeedsATableAndAnAirport) {
    Launch();
    AirportDialog dialog(texts, prompter, {"", "", 2, false}, window.get());
    dialog.show();
    const auto edits = dialog.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(edits.size(), 2);
    EXPECT_EQ(dialog.focusWidget(), edits[0]) << "no table yet: the table first";
    EXPECT_FALSE(dialog.findChild<QSpinBox*>()->isEnabled()) << "the export model has no banks";
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ASSERT_NE(ok, nullptr);
    SaveShot(dialog, "airport_dialog");

    const std::pair<const char*, const char*> refused[] = {{"", "EDDF"}, {" /t.csv ", " "}};
    for (const auto& [table, codes] : refused) {
        prompter.shown.clear();
        edits[0]->setText(table);
        edits[1]->setText(codes);
        QTest::mouseClick(ok, Qt::LeftButton);
        ASSERT_EQ(prompter.shown.size(), 1U) << table;
        EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Error);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), *table == '\0' ? edits[0] : edits[1]);
    }
    edits[1]->setText("EDDF edfe");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    const AirportChoice choice = dialog.Choice();
    EXPECT_EQ(choice.table, "/t.csv");
    EXPECT_EQ(choice.icaoCodes, "EDDF edfe");
    EXPECT_EQ(choice.bank, 2);
}

TEST_F(WindowDialogsTest, ComPortDialogLayout) {
    Launch();
    ComPortDialog dialog(texts, prompter, 1, window.get());
    dialog.show();
    EXPECT_EQ(dialog.windowHandle()->title(), "COM Port");
    const QFontMetrics metrics(dialog.font());
    const int line = metrics.height();
    auto* notice = dialog.findChild<QLabel*>();
    auto* edit = dialog.findChild<QLineEdit*>();
    QPushButton* ok = Button(dialog, "OK");
    QPushButton* cancel = Button(dialog, "Cancel");
    ASSERT_TRUE(notice && edit && ok && cancel);
    EXPECT_EQ(notice->text(), "Enter COM Port number. (1 - 256)");
    EXPECT_EQ(notice->pos(), QPoint(line, line));
    EXPECT_EQ(edit->x(), line + metrics.horizontalAdvance("WW"));
    EXPECT_EQ(edit->width(), metrics.horizontalAdvance("255WWWW"));
    EXPECT_EQ(cancel->geometry().right(), notice->geometry().right());
    EXPECT_EQ(cancel->size(), QSize(metrics.horizontalAdvance("Cancel+++"), 2 * line));
    EXPECT_EQ(ok->geometry().right() + 1 + cancel->height() / 2, cancel->x());
    EXPECT_EQ(dialog.width(), notice->width() + 2 * line);
    EXPECT_EQ(dialog.height(), ok->y() + ok->height() * 3 / 2);
    SaveShot(dialog, "com_port_dialog");
}

// The window system shows the titles Qt hands it ("COM Port" above), adding " — " and
// the application's display name once one is set: none is, so that it follows the
// application name.
TEST_F(WindowDialogsTest, CaptionsAreTheWindowsOwnTitles) {
    Launch();
    ProgressWindow progress(window.get());
    progress.Open();
    EXPECT_EQ(progress.Window()->windowHandle()->title(), "Cloning");
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("orvane-probe");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "orvane-probe");
    QCoreApplication::setApplicationName(name);
}

TEST_F(WindowDialogsTest, MoreEntryStoresThePortTheDialogAccepts) {
    Launch();
    WhenModalShows([](QWidget& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        edit->setText(" 12 ");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    Choose("&More...");
    EXPECT_EQ(Settings().ComPort, 12);
    EXPECT_TRUE(MenuAction("&More...")->isChecked());
    for (const char* port : {"COM &1", "COM &2", "COM &3", "COM &4"}) {
        EXPECT_FALSE(MenuAction(port)->isChecked()) << port;
    }

    WhenModalShows([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    Choose("&More...");
    EXPECT_EQ(Settings().ComPort, 12) << "Cancel changes nothing";
}

TEST_F(WindowDialogsTest, AboutBoxClosesOnEscapeAndOnEnterAndFreesTheWindow) {
    Launch();
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        Choose("&About Orvane");
        auto* box = window->findChild<AboutBox*>();
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isVisible());
        EXPECT_TRUE(box->isEnabled());
        EXPECT_FALSE(window->isEnabled());
        EXPECT_FALSE(window->close()) << "no closing while the box is up";
        EXPECT_EQ(box->windowTitle(), "About Orvane");
        EXPECT_TRUE(LabelTexts(*box).contains("\nOrvane Revision 1.0"));

        SaveShot(*box, "about_box");
        QTest::keyClick(box, key);
        EXPECT_FALSE(box->isVisible());
        EXPECT_TRUE(window->isEnabled());
        ASSERT_TRUE(WaitUntil([&] { return window->findChild<AboutBox*>() == nullptr; }))
            << "the box goes when it closes";
    }
}

TEST_F(WindowDialogsTest, AboutBoxLayoutFollowsTheIcon) {
    Launch();
    constexpr int kIcon = AboutBox::kIconSize;
    AboutBox box(texts, QIcon(":/icons/orvane.svg"), window.get());
    QLabel* image = nullptr;
    QLabel* text = nullptr;
    for (QLabel* label : box.findChildren<QLabel*>()) {
        (label->pixmap().isNull() ? text : image) = label;
    }
    auto* button = box.findChild<QPushButton*>();
    ASSERT_TRUE(image && text && button);
    EXPECT_EQ(image->geometry(), QRect(kIcon / 2, kIcon / 2, kIcon, kIcon));
    EXPECT_EQ(text->pos(), QPoint(kIcon / 2 + kIcon * 3 / 2, 0));
    EXPECT_EQ(button->geometry().topLeft(),
              QPoint(text->geometry().right() + 1 + 2 * kIcon, kIcon / 4));
    EXPECT_EQ(button->width(), kIcon * 5 / 2);
    EXPECT_EQ(box.width(), button->geometry().right() + 1 + kIcon / 4);
    EXPECT_TRUE(button->isDefault());
}

TEST_F(WindowDialogsTest, SecondDisableRequestWaitsForTheOpenDialog) {
    Launch();
    Choose("&About Orvane");
    auto* box = window->findChild<AboutBox*>();
    ASSERT_NE(box, nullptr);
    // A transfer ending while the box is up must not free the window under it.
    window->SetEnabled(true);
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(box->isEnabled());
    box->accept();
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(WindowDialogsTest, CloneInformationShowsItsSheetWholeOverADisabledWindow) {
    Launch();
    window->ShowCloneInformation();
    auto* info = window->findChild<SheetDialog*>();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(info->windowTitle(), "Orvane");
    const std::string rows = Joined(SheetRowTexts(info->ShownSheet(), controller->Evaluator()));
    EXPECT_NE(rows.find("Clone Information"), std::string::npos) << rows;
    EXPECT_NE(rows.find("Model :"), std::string::npos) << rows;
    EXPECT_NE(rows.find("Comment :"), std::string::npos) << rows;
    EXPECT_EQ(rows.find("WWWW"), std::string::npos) << "the data model's texts, not the templates";

    // The whole sheet shows: the grid is its content's size and scrolls nowhere.
    auto* grid = info->findChild<SheetGrid*>();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->size(), grid->ContentSize());
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());

    SaveShot(*info, "clone_information");
    QPushButton* ok = Button(*info, "OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(info->focusWidget(), ok);
    EXPECT_EQ(info->width() - ok->geometry().right() - 1, SheetDialog::kButtonMargin);
    EXPECT_EQ(info->height() - ok->geometry().bottom() - 1, SheetDialog::kButtonMargin);
    QTest::keyClick(info, Qt::Key_Return);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(WindowDialogsTest, SaveDialogStartsFromTheRequestAndAddsTheExtension) {
    Launch();
    QDir(HomePath("radios")).mkpath(".");
    FileChooserRequest request;
    request.purpose = FileChooserRequest::Purpose::kSave;
    request.defaultExtension = "zcf";
    request.filter = "Data files (*.zcf)|*.zcf|All files (*.*)|*.*";
    request.fileName = "Untitled";
    request.initialDirectory = HomePath("radios").toStdString();
    QStringList filters;
    QString directory;
    WhenModalShows([&](QWidget& widget) {
        auto* dialog = qobject_cast<QFileDialog*>(&widget);
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        directory = dialog->directory().absolutePath();
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        dialog->selectFile("club");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::optional<std::string> path = window->ChooseFile(request);
    EXPECT_EQ(filters, (QStringList{"Data files (*.zcf)", "All files (*)"}));
    EXPECT_EQ(directory, HomePath("radios"));
    EXPECT_EQ(path, HomePath("radios/club.zcf").toStdString());

    WhenModalShows([](QWidget& dialog) { qobject_cast<QDialog*>(&dialog)->reject(); });
    EXPECT_EQ(window->ChooseFile(request), std::nullopt);
}

}  // namespace
}  // namespace orvane
