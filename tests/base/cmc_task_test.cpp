#include "base/cmc_task.h"

#include <gtest/gtest.h>

#include "support/virtual_time.h"

namespace orvane {
namespace {

using testing::VirtualTime;

TEST(CmcTaskTest, RunsAtItsIntervalUntilStopped) {
    VirtualTime time;
    cmcTaskPtr task = MakeTask(time);
    int ticks = 0;
    task->SetCallback([&](cmcTask&) { ++ticks; });
    task->Start(10);
    time.Advance(35);
    EXPECT_EQ(ticks, 3);
    task->Stop();
    EXPECT_FALSE(task->IsRunning());
    EXPECT_EQ(task->Interval(), -1);
    time.Advance(100);
    EXPECT_EQ(ticks, 3);
}

TEST(CmcTaskTest, StartZeroRunsEveryMillisecond) {
    VirtualTime time;
    cmcTaskPtr task = MakeTask(time);
    int ticks = 0;
    task->SetCallback([&](cmcTask&) { ++ticks; });
    task->Start(0);
    EXPECT_EQ(task->Interval(), 0);
    time.Advance(5);
    EXPECT_EQ(ticks, 5);
}

TEST(CmcTaskTest, DisposeFromOwnCallbackDestroysOnNextTick) {
    VirtualTime time;
    cmcTask* task = cmcTask::Create(time);
    int ticks = 0;
    bool stillAliveAfterDispose = false;
    task->SetCallback([&](cmcTask& self) {
        ++ticks;
        self.Dispose();
        // The task (and so this closure's copy) must still be usable here.
        stillAliveAfterDispose = self.IsRunning();
    });
    task->Start(10);
    time.Advance(10);
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(stillAliveAfterDispose);
    EXPECT_EQ(time.TimerCount(), 1u);
    time.Advance(1);  // the disposal tick
    EXPECT_EQ(time.TimerCount(), 0u);
    time.Advance(50);
    EXPECT_EQ(ticks, 1);
}

TEST(CmcTaskTest, DisposeOfStoppedTaskDestroysAtOnce) {
    VirtualTime time;
    cmcTask* task = cmcTask::Create(time);
    EXPECT_EQ(time.TimerCount(), 1u);
    task->Dispose();
    EXPECT_EQ(time.TimerCount(), 0u);
}

TEST(CmcTaskTest, OwnerLettingGoOfARunningTaskDestroysItAtOnce) {
    VirtualTime time;
    {
        cmcTaskPtr task = MakeTask(time);
        task->SetCallback([](cmcTask&) {});
        task->Start(10);
    }
    EXPECT_EQ(time.TimerCount(), 0u);
}

TEST(CmcTaskTest, OwnerLettingGoFromInsideTheCallbackWaitsForTheNextTick) {
    VirtualTime time;
    cmcTaskPtr task = MakeTask(time);
    int ticks = 0;
    task->SetCallback([&](cmcTask&) {
        ++ticks;
        task.reset();
    });
    task->Start(10);
    time.Advance(10);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(time.TimerCount(), 1u);
    time.Advance(1);
    EXPECT_EQ(time.TimerCount(), 0u);
}

TEST(CmcTaskTest, OwnerLettingGoAfterTheCallbackStoppedItWaitsForTheNextTick) {
    VirtualTime time;
    cmcTaskPtr task = MakeTask(time);
    int ticks = 0;
    task->SetCallback([&](cmcTask& self) {
        ++ticks;
        self.Stop();
        task.reset();
    });
    task->Start(10);
    time.Advance(10);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(time.TimerCount(), 1u);  // still alive while Tick finishes
    time.Advance(1);
    EXPECT_EQ(time.TimerCount(), 0u);
}

TEST(CmcTaskTest, ResetRemovesCallbackAndStops) {
    VirtualTime time;
    cmcTaskPtr task = MakeTask(time);
    int ticks = 0;
    task->SetCallback([&](cmcTask&) { ++ticks; });
    task->Start(1);
    task->Reset();
    task->Start(1);  // running again, but without a callback
    time.Advance(10);
    EXPECT_EQ(ticks, 0);
}

TEST(CmcTaskTest, CallbackCanRestartItsOwnTask) {
    VirtualTime time;
    cmcTaskPtr task = MakeTask(time);
    std::vector<std::uint32_t> firedAt;
    task->SetCallback([&](cmcTask& self) {
        firedAt.push_back(time.TickCount());
        self.Start(20);
    });
    task->Start(5);
    time.Advance(50);
    EXPECT_EQ(firedAt, (std::vector<std::uint32_t>{5, 25, 45}));
}

}  // namespace
}  // namespace orvane
