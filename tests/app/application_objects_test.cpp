// The objects every program builds over its host's: both built-in text resources are
// loaded, and the bus pump delivers what was queued once per pump interval.

#include "app/application_objects.h"

#include <gtest/gtest.h>

#include "support/fake_instance_lock.h"
#include "support/memory_settings_store.h"
#include "support/scripted_prompter.h"
#include "support/virtual_time.h"

namespace orvane {
namespace {

using testing::FakeInstanceLock;
using testing::MemorySettingsStore;
using testing::ScriptedPrompter;
using testing::VirtualTime;

class ApplicationObjectsTest : public ::testing::Test {
protected:
    MemorySettingsStore store;
    FakeInstanceLock lock;
    AppSettings settings{store, lock, ScreenSize{1024, 768}, {"orvane"}};
    VirtualTime time;
    ScriptedPrompter prompter;
    ApplicationObjects objects{settings, time, time, prompter};
};

TEST_F(ApplicationObjectsTest, ServesBothTextResources) {
    EXPECT_TRUE(objects.Texts().HasKey("GI_Sys_AppTitle"));
    EXPECT_TRUE(objects.HelpTexts().HasKey("GI_AppItem_Topic_ID"));
    EXPECT_FALSE(objects.HelpTexts().HasKey("GI_Sys_AppTitle"));
    EXPECT_EQ(&objects.Context().helpTexts, &objects.HelpTexts());
}

TEST_F(ApplicationObjectsTest, PumpsTheBusOncePerInterval) {
    objects.Bus().Post(1, 0, 0, false);
    time.Advance(ApplicationObjects::kBusPumpIntervalMs - 1);
    EXPECT_EQ(objects.Bus().QueuedCount(), 1U);
    time.Advance(1);
    EXPECT_EQ(objects.Bus().QueuedCount(), 0U);
}

}  // namespace
}  // namespace orvane
