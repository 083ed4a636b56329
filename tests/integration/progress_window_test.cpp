// The Cloning window offscreen: its frame and placement, the owner it disables, and the
// close requests it refuses.

#include "gui/progress_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QImage>
#include <QMainWindow>

#include <gtest/gtest.h>

#include "../gui/qt_application.h"

namespace orvane {
namespace {

TEST(ProgressWindowTest, SizeTitleAndPlacement) {
    testing::TestApplication();
    QMainWindow main;
    main.setGeometry(100, 100, 601, 401);
    main.show();
    ProgressWindow progress(&main);
    progress.Open();
    ASSERT_TRUE(progress.IsOpen());
    QWidget* window = progress.Window();
    EXPECT_EQ(window->windowTitle(), "Cloning");
    EXPECT_TRUE(window->windowFlags() & Qt::Tool);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinMaxButtonsHint);
    // A 256 x 16 bar in a one-pixel sunken panel, 32 pixels more each way.
    EXPECT_EQ(window->size(), QSize(258 + 32, 18 + 32));
    auto* panel = window->findChild<QFrame*>();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->geometry(), QRect(16, 8, 258, 18));
    EXPECT_EQ(panel->frameShadow(), QFrame::Sunken);
    const QRect owner = main.frameGeometry();
    EXPECT_EQ(window->x(), owner.left() + (owner.width() - window->width()) / 2);
    EXPECT_EQ(window->y(), owner.top() + (owner.height() - window->height()) / 2);
    EXPECT_FALSE(main.isEnabled());

    // The user cannot close it; the transfer can.
    QCloseEvent request;
    QCoreApplication::sendEvent(window, &request);
    EXPECT_FALSE(request.isAccepted());
    EXPECT_TRUE(progress.IsOpen());
    progress.Close();
    EXPECT_FALSE(progress.IsOpen());
    EXPECT_TRUE(main.isEnabled());
}

TEST(ProgressWindowTest, PaintsTheFilledCellsInTheHighlightColour) {
    testing::TestApplication();
    ProgressWindow progress(nullptr);
    progress.Open();
    progress.Paint(16);
    QWidget* bar = progress.Window()->findChild<QFrame*>()->findChild<QWidget*>();
    ASSERT_NE(bar, nullptr);
    QImage image = bar->grab().toImage();
    const QColor highlight = bar->palette().color(QPalette::Highlight);
    const QColor background = bar->palette().color(QPalette::Window);
    // Cell 15 is filled up to x = 126, with a gap column at 127; cell 16 is not.
    EXPECT_EQ(image.pixelColor(120, 8), highlight);
    EXPECT_EQ(image.pixelColor(127, 8), background);
    EXPECT_EQ(image.pixelColor(130, 8), background);
    progress.Paint(33);
    image = bar->grab().toImage();
    EXPECT_EQ(image.pixelColor(250, 8), highlight);
    EXPECT_EQ(image.pixelColor(255, 8), background);
}

}  // namespace
}  // namespace orvane
