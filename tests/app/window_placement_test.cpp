#include "app/window_placement.h"

#include <gtest/gtest.h>

#include <limits>

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

// Hand-edited bounds up to the int range's ends: sizes fit, the sums do not overflow.
TEST(WindowPlacementTest, StoredBoundsOfAnySizeFit) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    const struct {
        WindowBounds stored;
        WorkArea area;
        WindowBounds placed;
    } cases[] = {
        {{0, 0, 100000, 100000}, kDesktop, {0, 0, 1920, 1040}},
        {{-3000, 100, 100000, -5}, kDesktop, {-1904, 100, 1920, 200}},
        {{0, 0, 800, 600}, {0, 0, 320, 240}, {0, 0, 400, 240}},
        {{kMin, kMin, kMin, kMin}, kDesktop, {-384, 0, 400, 200}},
        {{kMax, kMax, kMax, kMax}, {kMin, kMin, kMax, kMax}, {kMax - 16, kMax - 16, kMax, kMax}},
        {{kMax, kMax, 800, 600}, {kMin, kMin, kMin + 5, kMin + 5}, {kMin, kMin, 400, 200}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClampToWorkArea(c.stored, c.area), c.placed) << c.stored.left;
    }
}

TEST(WindowTitleTest, FileNameThenApplicationTitle) {
    EXPECT_EQ(MainWindowTitle("", "Orvane"), "Untitled - Orvane");
    EXPECT_EQ(MainWindowTitle("Untitled", "Orvane"), "Untitled - Orvane");
    EXPECT_EQ(MainWindowTitle("/home/pilot/radio/club.zcf", "Orvane"), "club.zcf - Orvane");
}

}  // namespace
}  // namespace orvane
