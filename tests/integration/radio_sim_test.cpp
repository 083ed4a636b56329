// orvane-radio-sim's own command line: help, refused options, and the link it makes.

#include <gtest/gtest.h>

#include <filesystem>

#include "simulator_process.h"
#include "support/process_runner.h"

namespace orvane {
namespace {

using testing::RunProcess;

TEST(RadioSimTest, HelpListsEveryFault) {
    auto result = RunProcess(ORVANE_RADIO_SIM_PATH, {"--help"});
    EXPECT_EQ(result.exitCode, 0);
    for (const char* option : {"--no-answer", "--no-echo", "--corrupt-echo", "--bad-checksum",
                               "--wrong-count", "--wrong-ack", "--hang-up", "--pace", "--link"}) {
        EXPECT_NE(result.out.find(option), std::string::npos) << option;
    }
}

TEST(RadioSimTest, UnusableCommandLinesAreRefusedWithAReason) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"--model-type", "2"},
                                                      {"--model-type"},
                                                      {"--flags-a", "254"},
                                                      {"--flags-b", "x"},
                                                      {"--comment", "bad\ttext"},
                                                      {"--hang-up", "-1"},
                                                      {"--frobnicate"}}) {
        auto result = RunProcess(ORVANE_RADIO_SIM_PATH, arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.front();
        EXPECT_NE(result.err.find("orvane-radio-sim: "), std::string::npos);
        EXPECT_EQ(result.out, "");
    }
    auto missing = RunProcess(ORVANE_RADIO_SIM_PATH, {"--read-file", "/nonexistent/radio.zcf"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("cannot serve /nonexistent/radio.zcf"), std::string::npos);
}

TEST(RadioSimTest, LinkPointsAtTheDeviceWhileItRuns) {
    namespace fs = std::filesystem;
    fs::path link = fs::temp_directory_path() / ("orvane-radio-" + std::to_string(getpid()));
    {
        SimulatorProcess sim({"--link", link.string()});
        ASSERT_FALSE(sim.DevicePath().empty());
        EXPECT_EQ(fs::read_symlink(link), sim.DevicePath());
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

}  // namespace
}  // namespace orvane
