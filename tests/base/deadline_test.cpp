#include "base/deadline.h"

#include <gtest/gtest.h>

#include "support/virtual_time.h"

namespace orvane {
namespace {

TEST(DeadlineTest, CountsDownThenDisarms) {
    testing::VirtualTime time;
    Deadline deadline(time);
    EXPECT_EQ(deadline.Remaining(), 0u);
    deadline.Arm(250);
    EXPECT_TRUE(deadline.IsArmed());
    time.Advance(100);
    EXPECT_EQ(deadline.Remaining(), 150u);
    time.Advance(150);
    EXPECT_EQ(deadline.Remaining(), 0u);
    EXPECT_FALSE(deadline.IsArmed());
}

TEST(DeadlineTest, SurvivesTickCounterWrap) {
    testing::VirtualTime time;
    time.SetTick(0xFFFFFFF0u);
    Deadline deadline(time);
    deadline.Arm(100);
    time.Advance(0x20);  // the counter wraps past zero
    EXPECT_EQ(deadline.Remaining(), 100u - 0x20u);
    EXPECT_TRUE(deadline.IsArmed());
}

TEST(DeadlineTest, RearmingRestartsFromNow) {
    testing::VirtualTime time;
    Deadline deadline(time);
    deadline.Arm(50);
    time.Advance(40);
    deadline.Arm(50);
    time.Advance(40);
    EXPECT_EQ(deadline.Remaining(), 10u);
}

}  // namespace
}  // namespace orvane
