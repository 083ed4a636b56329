// orvane-cli as a real process: help, version and usage errors.

#include <gtest/gtest.h>

#include "support/process_runner.h"

namespace orvane {
namespace {

using testing::RunProcess;

TEST(CliTest, HelpListsTheCommandsAndExitsZero) {
    auto result = RunProcess(ORVANE_CLI_PATH, {"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("Usage: orvane-cli"), std::string::npos);
    EXPECT_NE(result.out.find("  help "), std::string::npos);
    EXPECT_TRUE(result.err.empty());
}

TEST(CliTest, VersionPrintsTheProjectVersion) {
    auto result = RunProcess(ORVANE_CLI_PATH, {"--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "orvane-cli 1.0.0\n");
}

TEST(CliTest, UsageErrorsExitTwoWithAMessage) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, {"frobnicate"}, {"help", "frobnicate"}, {"help", "a", "b"}}) {
        auto result = RunProcess(ORVANE_CLI_PATH, arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_FALSE(result.err.empty());
        EXPECT_TRUE(result.out.empty());
    }
}

TEST(CliTest, HelpOfOneCommand) {
    auto viaVerb = RunProcess(ORVANE_CLI_PATH, {"help", "help"});
    auto viaOption = RunProcess(ORVANE_CLI_PATH, {"help", "--help"});
    EXPECT_EQ(viaVerb.exitCode, 0);
    EXPECT_NE(viaVerb.out.find("Usage: orvane-cli help [COMMAND]"), std::string::npos);
    EXPECT_EQ(viaVerb.out, viaOption.out);
}

}  // namespace
}  // namespace orvane
