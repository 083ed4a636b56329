// The help book as built, and the help viewer on the real window: every topic a cell can
// open and every link of the book resolve in the built help file; F1, the cell's Help and
// Help > Contents open their windows; a missing file is reported with its path.

#include <gtest/gtest.h>

#include <QCursor>
#include <QFile>
#include <QHelpContentWidget>
#include <QHelpIndexWidget>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstdlib>
#include <set>

#include "app/help_context.h"
#include "gui/help_book.h"
#include "gui/help_browser.h"
#include "gui/help_topic_window.h"
#include "gui/help_viewer.h"
#include "gui/help_window.h"
#include "gui/sheet_grid.h"
#include "radio/cell_ids.h"
#include "window_fixture.h"

namespace orvane::testing {
namespace {

const QString kBuiltHelpFile = QStringLiteral(ORVANE_HELP_FILE);

// The anchors a page defines with <a name="...">.
std::set<QString> AnchorsOf(const QString& page) {
    std::set<QString> anchors;
    static const QRegularExpression kName(QStringLiteral(R"re(<a\s+name="([^"]+)")re"));
    for (const QRegularExpressionMatch& match : kName.globalMatch(page)) {
        anchors.insert(match.captured(1));
    }
    return anchors;
}

// Whether `url` names a page of the book, and an anchor of that page when it has one.
::testing::AssertionResult Resolves(const HelpBook& book, const QUrl& url) {
    if (url.scheme() != QLatin1String("qthelp")) {
        return ::testing::AssertionFailure() << "leaves the book: " << url.toString().toStdString();
    }
    QUrl page = url;
    page.setFragment({});
    const QByteArray data = book.Engine().fileData(page);
    if (data.isEmpty()) {
        return ::testing::AssertionFailure() << "no page " << page.toString().toStdString();
    }
    if (url.hasFragment() && AnchorsOf(QString::fromUtf8(data)).count(url.fragment()) == 0) {
        return ::testing::AssertionFailure() << "no anchor " << url.toString().toStdString();
    }
    return ::testing::AssertionSuccess();
}

class HelpBookTest : public WindowFixture {};

TEST_F(HelpBookTest, EveryTopicAndEveryLinkResolves) {
    HelpBook book(kBuiltHelpFile);
    ASSERT_EQ(book.Open(), HelpResult::kShown);

    // The 54 topics of the topic table, each by its name.
    for (int context = 1; context <= 54; ++context) {
        const std::string topic = HelpTopicName(context, helpTexts);
        EXPECT_EQ(topic, "IDH" + std::to_string(1000 + context));
        const QUrl url = book.TopicUrl(QString::fromStdString(topic));
        ASSERT_TRUE(url.hasFragment()) << topic << " " << url.toString().toStdString();
        EXPECT_TRUE(Resolves(book, url)) << topic;
    }
    EXPECT_TRUE(book.TopicUrl("IDH1055").isEmpty());
    EXPECT_TRUE(book.TopicUrl("").isEmpty());

    // Every link of every page, the style sheet included.
    const QList<QUrl> pages = book.Engine().files(HelpBook::kNamespace, QStringList(), "html");
    ASSERT_GE(pages.size(), 17);
    EXPECT_TRUE(pages.contains(HelpBook::ContentsUrl()));
    static const QRegularExpression kHref(QStringLiteral(R"re(href="([^"]+)")re"));
    int links = 0;
    for (const QUrl& page : pages) {
        const QString text = QString::fromUtf8(book.Engine().fileData(page));
        for (const QRegularExpressionMatch& match : kHref.globalMatch(text)) {
            ++links;
            EXPECT_TRUE(Resolves(book, page.resolved(QUrl(match.captured(1)))))
                << "on " << page.toString().toStdString();
        }
    }
    EXPECT_GT(links, 100);
}

TEST(HelpFileLocationTest, BesideTheProgramThenInTheDataFolder) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath("bin") && root.mkpath("share/orvane"));
    const QString bin = root.filePath("bin");
    const QString beside = root.filePath("bin/orvane.qch");
    const QString installed = root.filePath("share/orvane/orvane.qch");

    EXPECT_EQ(LocateHelpFile(bin, "orvane.qch"), beside) << "neither: the path beside";
    QFile(installed).open(QIODevice::WriteOnly);
    EXPECT_EQ(LocateHelpFile(bin, "orvane.qch"), installed);
    QFile(beside).open(QIODevice::WriteOnly);
    EXPECT_EQ(LocateHelpFile(bin, "orvane.qch"), beside);
}

class HelpViewerTest : public WindowFixture {
protected:
    void LaunchWithHelp() {
        Launch();
        window->Help().SetHelpFile(kBuiltHelpFile);
    }

    // Opens bank 0's sheet from the tree and moves to the cell of `cellId` on its first
    // channel; returns the grid, with the focus.
    SheetGrid* MoveToBankCell(CellId cellId) {
        QTreeWidgetItem* bank = nullptr;
        for (QTreeWidgetItem* item :
             window->TreeView()->findItems("0:", Qt::MatchStartsWith | Qt::MatchRecursive)) {
            bank = item;
        }
        if (bank == nullptr) {
            ADD_FAILURE() << "no bank 0 in the tree";
            return nullptr;
        }
        window->TreeView()->setCurrentItem(bank);
        if (!WaitUntil([this] {
                return window->ShownSheet() != nullptr &&
                       window->ShownSheet()->CallText().ends_with("Bank 0");
            })) {
            ADD_FAILURE() << "bank 0's sheet did not open";
            return nullptr;
        }
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        SheetGrid* grid = window->ShownGrid();
        MoveTo(*grid, cellId, 0);
        return grid;
    }
};

// F1 off the cells opens the contents and its links and index; F1 on a cell its topic.
TEST_F(HelpViewerTest, F1OpensTheContentsOrTheCellsTopicAtTheCursor) {
    LaunchWithHelp();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->TreeView()->setFocus();
    QTest::keyClick(window->TreeView(), Qt::Key_F1);
    HelpWindow* help = window->Help().Window();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->Browser()->source(), HelpBook::ContentsUrl());
    EXPECT_EQ(window->Help().TopicWindow(), nullptr);
    // A cell without a topic asks for context 0, which has none.
    EXPECT_EQ(window->ShowHelpTopic(0).result, HelpResult::kNoTopic);
    EXPECT_TRUE(prompter.shown.empty());

    // The contents tree fills in the background, then follows the page shown.
    ASSERT_TRUE(WaitUntil([help] { return help->Contents()->model()->rowCount() > 0; }));
    ASSERT_TRUE(WaitUntil([help] { return help->Contents()->currentIndex().isValid(); }));
    EXPECT_EQ(help->Contents()->currentIndex().data().toString(), "Orvane Help");

    // A link of the page, then back and forward.
    help->Browser()->setSource(QUrl("getting-started.html#permissions"));
    EXPECT_EQ(help->Browser()->source().toString(),
              "qthelp://org.orvane.help/doc/getting-started.html#permissions");
    EXPECT_TRUE(help->Browser()->toPlainText().contains("dialout"));
    ASSERT_TRUE(help->BackAction()->isEnabled());
    help->BackAction()->trigger();
    EXPECT_EQ(help->Browser()->source(), HelpBook::ContentsUrl());
    help->ForwardAction()->trigger();
    EXPECT_EQ(help->Browser()->source().fileName(), "getting-started.html");

    // A page outside the book is not followed.
    help->Browser()->setSource(QUrl("https://example.org/"));
    EXPECT_EQ(help->Browser()->source().fileName(), "getting-started.html");

    // The index, filtered, leads to its page.
    ASSERT_TRUE(WaitUntil([help] { return help->Index()->model()->rowCount() > 0; }));
    QTest::keyClicks(help->IndexFilter(), "PDF");
    ASSERT_TRUE(help->Index()->currentIndex().isValid());
    QTest::keyClick(help->IndexFilter(), Qt::Key_Return);
    const QUrl pdfPage("qthelp://org.orvane.help/doc/printing.html#pdf");
    EXPECT_EQ(help->Browser()->source(), pdfPage);
    SaveShot(*help, "help_window");

    // The mouse 100 pixels above the bottom of the work area.
    const QRect area = window->screen()->availableGeometry();
    const QPoint cursor(area.left() + 100, area.bottom() + 1 - 100);
    QCursor::setPos(cursor);
    SheetGrid* grid = MoveToBankCell(cell::kMchFreq);
    ASSERT_NE(grid, nullptr);
    QTest::keyClick(grid, Qt::Key_F1);

    HelpTopicWindow* topic = window->Help().TopicWindow();
    ASSERT_NE(topic, nullptr);
    EXPECT_TRUE(topic->isVisible());
    EXPECT_EQ(topic->Browser()->source().toString(),
              "qthelp://org.orvane.help/doc/bank-channels.html#rx");
    EXPECT_EQ(topic->windowTitle(), "A bank's channels");
    EXPECT_EQ(topic->size(), QSize(300, 300));
    // Centred across the cursor but kept on the work area, and above the cursor, as
    // there is no room below it (the platform's frame may shift it by a few pixels).
    const QRect frame = topic->frameGeometry();
    EXPECT_EQ(frame.left(), area.left());
    EXPECT_LT(frame.top(), cursor.y());
    EXPECT_LE(std::abs(frame.bottom() + 1 - cursor.y()), 5) << frame.bottom();
    EXPECT_EQ(help->Browser()->source(), pdfPage) << "the contents window stays as it was";
    SaveShot(*topic, "help_topic_window");
}

TEST_F(HelpViewerTest, MissingHelpFileIsNamedInTheMessage) {
    Launch();
    // The window looks beside the program, where the tests have no help file.
    const std::string beside =
        QDir(QCoreApplication::applicationDirPath()).filePath("orvane.qch").toStdString();
    EXPECT_EQ(window->Help().HelpFile().toStdString(), beside);
    Choose("&Contents");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Cannot find the " + beside + " file.");
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Error);

    window->Help().SetHelpFile(HomePath("nowhere/orvane.qch"));
    EXPECT_EQ(window->ShowHelpTopic(4).result, HelpResult::kFileMissing);
    EXPECT_EQ(window->Help().TopicWindow(), nullptr);
}

}  // namespace
}  // namespace orvane::testing
