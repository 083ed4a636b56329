// The file a start-up names: the first argument after the program name that is an
// existing file; switches, missing files and folders name none.

#include "app/startup_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "image/scratch_directory.h"

namespace orvane {
namespace {

TEST(StartupFileTest, TheFirstExistingFileAfterTheProgramName) {
    testing::ScratchDirectory directory;
    const std::string file = directory.File("club.zcf");
    std::ofstream(file) << "data";
    const std::string other = directory.File("spare.zcf");
    std::ofstream(other) << "data";
    const std::string folder = directory.Path().string();
    struct Case {
        std::vector<std::string> arguments;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {{file}, std::nullopt},  // the program name itself is never the file
        {{"orvane"}, std::nullopt},
        {{"orvane", "/prolix"}, std::nullopt},
        {{"orvane", directory.File("missing.zcf")}, std::nullopt},
        {{"orvane", folder}, std::nullopt},
        {{"orvane", "/prolix", file}, file},
        {{"orvane", file, other}, file},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileToOpenAtStart(c.arguments), c.expected) << c.arguments.back();
    }
}

}  // namespace
}  // namespace orvane
