#include "app/recent_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane {
namespace {

TEST(RecentFilesTest, NewestFirstWithoutDuplicates) {
    RecentFiles recent;
    recent.AddRecent("/d/a.zcf");
    recent.AddRecent("/d/b.zcf");
    recent.AddRecent("/d/x/../a.zcf");
    ASSERT_EQ(recent.RecentCount(), 2u);
    EXPECT_EQ(recent.FullPath(0), "/d/x/../a.zcf");
    EXPECT_EQ(recent.FullPath(1), "/d/b.zcf");
}

TEST(RecentFilesTest, PathsCompareExactlyOnceAbsolute) {
    const std::string here = std::filesystem::current_path().string();
    EXPECT_FALSE(SamePath("/d/A.zcf", "/d/a.zcf"));
    EXPECT_TRUE(SamePath("/d/a.zcf", "/d//a.zcf"));
    EXPECT_TRUE(SamePath("club.zcf", here + "/club.zcf"));
    EXPECT_FALSE(SamePath("./Club.zcf", here + "/club.zcf"));
}

TEST(RecentFilesTest, KeepsAtMostTen) {
    RecentFiles recent;
    for (int i = 0; i < 12; ++i)
        recent.AddRecent("/f" + std::to_string(i));
    ASSERT_EQ(recent.RecentCount(), 10u);
    EXPECT_EQ(recent.FullPath(0), "/f11");
    EXPECT_EQ(recent.FullPath(9), "/f2");
    EXPECT_EQ(recent.FullPath(10), "");
}

TEST(RecentFilesTest, LoadingAppendsAndKeepsOneEmptyEntry) {
    RecentFiles recent;
    for (const char* path : {"/x/1.zcf", "", "/x/2.zcf", "", "/x/1.zcf"}) {
        recent.AppendLoaded(path);
    }
    ASSERT_EQ(recent.RecentCount(), 3u);
    EXPECT_EQ(recent.FullPath(0), "/x/2.zcf");
    EXPECT_EQ(recent.FullPath(1), "");
    EXPECT_EQ(recent.FullPath(2), "/x/1.zcf");
}

TEST(RecentFilesTest, EntriesInTheCurrentDirectoryShowTheirFileName) {
    RecentFiles recent;
    recent.AddRecent("/home/pilot/other/b.zcf");
    recent.AddRecent("/home/pilot/radio/a.zcf");
    EXPECT_EQ(recent.RecentEntry(0, "/home/pilot/radio"), "a.zcf");
    EXPECT_EQ(recent.RecentEntry(0, "/HOME/pilot/radio/"), "/home/pilot/radio/a.zcf");
    EXPECT_EQ(recent.RecentEntry(1, "/home/pilot/radio"), "/home/pilot/other/b.zcf");
    EXPECT_EQ(recent.RecentEntry(2, "/home/pilot/radio"), "");
}

}  // namespace
}  // namespace orvane
