// The main window offscreen: title, minimum size, placement from and to the settings.

#include "gui/main_window.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>

#include "paint/qt_font.h"
#include "qt_application.h"
#include "sheet/cell_parser.h"
#include "support/fake_instance_lock.h"
#include "support/memory_settings_store.h"
#include "support/scripted_prompter.h"
#include "support/virtual_time.h"

namespace orvane {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
        : application(testing::TestApplication()),
          settings(store, lock, ScreenSize{1024, 768}, {"orvane"}),
          context{settings, texts, helpTexts, bus, cellNames, time, time, prompter} {
        texts.SetSource(MainResource());
        helpTexts.SetSource(HelpTopicResource());
    }

    QRect WorkArea() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

    QApplication& application;
    testing::MemorySettingsStore store;
    testing::FakeInstanceLock lock;
    AppSettings settings;
    TextStore texts;
    TextStore helpTexts;
    MessageBus bus;
    CellNames cellNames;
    testing::VirtualTime time;
    testing::ScriptedPrompter prompter;
    AppContext context;
};

TEST_F(MainWindowTest, StartsUntitledWithTheApplicationTitle) {
    MainWindow window(context);
    EXPECT_EQ(testing::ShownTitle(window),
              "Untitled - " + QString::fromStdString(texts.FirstLine("GI_Sys_AppTitle")));
}

TEST_F(MainWindowTest, FontComesFromTheMainFormDefinition) {
    MainWindow window(context);
    // "{($Basic)}": the basic preset's font, at its pixel height.
    SheetCell cell;
    CellParser(texts, cellNames)
        .ParseCell(cell, texts.FirstLine("GI_Form_Main_BasicCell"), nullptr, nullptr);
    ASSERT_TRUE(cell.font.has_value());
    EXPECT_EQ(window.font(), ToQFont(*cell.font));
}

TEST_F(MainWindowTest, CannotShrinkBelowMinimum) {
    MainWindow window(context);
    window.show();
    window.resize(100, 50);
    EXPECT_EQ(window.minimumSize(), QSize(400, 200));
    EXPECT_GE(window.width(), 400);
    EXPECT_GE(window.height(), 200);
}

TEST_F(MainWindowTest, StoredBoundsAreKeptReachable) {
    const QRect area = WorkArea();
    settings.Window = WindowBounds{area.right() + 5000, area.top() + 10, 600, 400};
    MainWindow window(context);
    EXPECT_EQ(window.geometry().left(), area.right() + 1 - 16);
    EXPECT_EQ(window.geometry().size(), QSize(600, 400));
}

TEST_F(MainWindowTest, ClosingStoresThePlacement) {
    MainWindow window(context);
    window.show();
    window.setGeometry(30, 40, 640, 420);
    window.close();
    EXPECT_EQ(settings.Window, (WindowBounds{30, 40, 640, 420}));
}

TEST_F(MainWindowTest, TreePanelWidthComesFromAndGoesToTheSettings) {
    settings.SplitterV = 260;
    MainWindow window(context);
    window.show();
    EXPECT_EQ(window.TreePanel()->width(), 260);
    auto* splitter = qobject_cast<QSplitter*>(window.centralWidget());
    ASSERT_NE(splitter, nullptr);
    splitter->setSizes({180, window.width() - 180 - splitter->handleWidth()});
    window.close();
    EXPECT_EQ(settings.SplitterV, 180);
}

}  // namespace
}  // namespace orvane
