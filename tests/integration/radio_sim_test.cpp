// orvane-radio-sim's own command line: help, refused options, the link it makes, and
// how it reports a program that breaks the protocol.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/posix_serial_device.h"
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
    EXPECT_NE(result.out.find("Exit status: 0 when the program kept to the protocol"),
              std::string::npos);
    EXPECT_NE(result.out.find("4 when the program broke the protocol"), std::string::npos);
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

// Bytes written straight to the simulator's device: a request without its wake-up FE
// goes unanswered and is reported, a good one is answered, and the exit status says that
// a rule was broken.
TEST(RadioSimTest, ViolationsGoToStderrAndTheExitStatus) {
    SimulatorProcess sim({});
    ASSERT_FALSE(sim.DevicePath().empty());
    PosixSerialDevice device;
    ASSERT_TRUE(device.Open(sim.DevicePath()));
    ASSERT_TRUE(device.Configure(SerialLine{}));
    auto exchange = [&](std::vector<std::uint8_t> bytes) {
        EXPECT_EQ(device.Write(bytes.data(), static_cast<std::int32_t>(bytes.size()), 1000),
                  static_cast<std::int32_t>(bytes.size()));
        std::vector<std::uint8_t> received;
        for (int i = 0; i < 50; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            std::uint8_t chunk[256];
            std::int32_t n = device.Read(chunk, sizeof chunk);
            received.insert(received.end(), chunk, chunk + std::max(n, 0));
        }
        // Without the echo of what was sent.
        received.erase(received.begin(), received.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                received.size(), bytes.size())));
        return received;
    };
    const std::vector<std::uint8_t> request = {0xFE, 0xFE, 0xEE, 0xEF, 0xE0,
                                               0x30, 0x74, 0x00, 0x00, 0xFD};
    EXPECT_TRUE(exchange(request).empty());
    std::vector<std::uint8_t> woken(24, 0xFE);
    woken.insert(woken.end(), request.begin(), request.end());
    std::vector<std::uint8_t> answer = exchange(woken);
    ASSERT_GE(answer.size(), 5u);
    EXPECT_EQ(answer[4], 0xE1);
    device.Close();

    EXPECT_EQ(sim.Stop(), 4);
    EXPECT_NE(sim.Errors().find("orvane-radio-sim: violation: information request E0: 0 FE "
                                "before its FE FE at 9600 baud; the radio wakes on 24\n"),
              std::string::npos)
        << sim.Errors();
    EXPECT_NE(sim.Errors().find("orvane-radio-sim: 1 protocol violation(s) by the program\n"),
              std::string::npos)
        << sim.Errors();
}

}  // namespace
}  // namespace orvane
