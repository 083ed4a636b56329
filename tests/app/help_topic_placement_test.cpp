#include "app/help_topic_placement.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr WorkArea kDesktop{0, 0, 1920, 1040};

TEST(HelpTopicPlacementTest, CentredOnTheCursorInsideTheWorkArea) {
    const struct {
        const char* what;
        int width;
        int height;
        ScreenPoint cursor;
        WorkArea area;
        ScreenPoint placed;
    } cases[] = {
        {"room everywhere", 300, 300, {800, 400}, kDesktop, {650, 400}},
        {"half the width reaches the left edge", 300, 300, {100, 200}, kDesktop, {0, 200}},
        {"half the width equals the cursor x", 300, 300, {150, 200}, kDesktop, {0, 200}},
        {"one pixel more", 300, 300, {151, 200}, kDesktop, {1, 200}},
        {"100 pixels above the bottom: above the cursor",
         300,
         300,
         {800, 940},
         kDesktop,
         {650, 640}},
        {"fits exactly below", 300, 300, {800, 740}, kDesktop, {650, 740}},
        {"no room above either: at the bottom",
         300,
         300,
         {800, 200},
         {0, 0, 1920, 400},
         {650, 100}},
        {"cursor below the work area: at the bottom", 300, 300, {800, 1060}, kDesktop, {650, 740}},
        {"right edge", 300, 300, {1900, 100}, kDesktop, {1620, 100}},
        {"a resized window keeps its size", 500, 120, {1000, 1000}, kDesktop, {750, 880}},
        {"second monitor, panel on top",
         300,
         300,
         {3800, 1000},
         {1920, 30, 3840, 1080},
         {3540, 700}},
        {"too little room above the panel",
         300,
         300,
         {2500, 300},
         {1920, 30, 3840, 500},
         {2350, 200}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlaceTopicWindow(c.width, c.height, c.cursor, c.area), c.placed) << c.what;
    }
}

}  // namespace
}  // namespace orvane
