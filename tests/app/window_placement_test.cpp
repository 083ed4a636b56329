#include "app/window_placement.h"

#include <gtest/gtest.h>

#include "app/window_title.h"

namespace orvane {
namespace {

constexpr WorkArea kDesktop{0, 0, 1920, 1040};

TEST(WindowPlacementTest, KeepsSixteenPixelsReachable) {
    EXPECT_EQ(ClampToWorkArea({5000, 100, 800, 600}, kDesktop).left, 1904);
    EXPECT_EQ(ClampToWorkArea({100, 3000, 800, 600}, kDesktop).top, 1024);
    EXPECT_EQ(ClampToWorkArea({-2000, 100, 800, 600}, kDesktop).left, -784);
    EXPECT_EQ(ClampToWorkArea({100, -50, 800, 600}, kDesktop).top, 0);
    const WindowBounds inside{100, 100, 800, 600};
    EXPECT_EQ(ClampToWorkArea(inside, kDesktop), inside);
}

TEST(WindowPlacementTest, WorkAreaOffsetsCount) {
    const WorkArea shifted{1920, 30, 3840, 1080};  // a second monitor, a panel on top
    WindowBounds b = ClampToWorkArea({0, 0, 800, 600}, shifted);
    EXPECT_EQ(b.left, 1920 - 800 + 16);
    EXPECT_EQ(b.top, 30);
}

TEST(WindowTitleTest, FileNameThenApplicationTitle) {
    EXPECT_EQ(MainWindowTitle("", "Orvane"), "Untitled - Orvane");
    EXPECT_EQ(MainWindowTitle("Untitled", "Orvane"), "Untitled - Orvane");
    EXPECT_EQ(MainWindowTitle("/home/pilot/radio/club.zcf", "Orvane"), "club.zcf - Orvane");
}

}  // namespace
}  // namespace orvane
