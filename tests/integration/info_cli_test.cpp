// "orvane-cli info" against orvane-radio-sim over a real pseudo-terminal: both speeds,
// the port forms, and each fault with the message the GUI would show.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/posix_serial_device.h"
#include "simulator_process.h"
#include "support/process_runner.h"
#include "support/protocol_check.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::RunProcess;

const std::string kCheckLines =
    "Check the following:\n - The COM port settings.\n - Cloning cable connections.\n"
    " - transceiver power is ON.\n";

class InfoCliTest : public ::testing::Test {
protected:
    // The tool reads the stored port from the user's settings: give it a settings
    // directory of its own.
    InfoCliTest() {
        configHome_ = fs::temp_directory_path() /
                      ("orvane-info-" + std::to_string(getpid()) + "-" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(configHome_ / "Zelk");
        setenv("XDG_CONFIG_HOME", configHome_.c_str(), 1);
    }
    ~InfoCliTest() override { fs::remove_all(configHome_); }

    void WriteSettings(const std::string& text) {
        std::ofstream(configHome_ / "Zelk" / "Orvane.ini") << text;
    }

    fs::path configHome_;
};

TEST_F(InfoCliTest, PrintsTheIdentityAtBothSpeeds) {
    for (const char* speed : {"", "--high-speed"}) {
        SCOPED_TRACE(speed);
        SimulatorProcess sim(
            {"--pace", "--comment", "TOWER  ", "--firmware", "3.01", "--version", "1.02"});
        testing::ProtocolCheck check(sim);
        ASSERT_FALSE(sim.DevicePath().empty());
        std::vector<std::string> arguments{"info", "--port", sim.DevicePath()};
        if (*speed) arguments.push_back(speed);
        auto result = RunProcess(ORVANE_CLI_PATH, arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, "Model: HT-Lk1\nComment: TOWER\nFirmware: 3.01\nVersion: 1.02\n");
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(InfoCliTest, ModelNameFollowsTheRadiosFlags) {
    struct Case {
        std::vector<std::string> simulator;
        const char* name;
    };
    const Case cases[] = {{{"--model-type", "0"}, "HT-Lk2"},
                          {{"--model-type", "4"}, "HT-Lk1S/Lk2S"},
                          // WX without VOR: a model type no menu offers.
                          {{"--flags-a", "8"}, "model type 2"}};
    for (const Case& c : cases) {
        SimulatorProcess sim(c.simulator);
        testing::ProtocolCheck check(sim);
        auto result = RunProcess(ORVANE_CLI_PATH, {"info", "--port", sim.DevicePath()});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out.substr(0, result.out.find('\n')), std::string("Model: ") + c.name);
    }
}

TEST_F(InfoCliTest, PortComesFromTheSettingsAndTheirPortsKey) {
    SimulatorProcess sim({});
    testing::ProtocolCheck check(sim);
    WriteSettings("[Global]\nComPort=5\n[Ports]\nCOM5=" + sim.DevicePath() + "\n");
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"info"},
                                                      {"info", "--port", "COM5"},
                                                      {"info", "--port", "5"},
                                                      {"info", "--port", "com5"}}) {
        auto result = RunProcess(ORVANE_CLI_PATH, arguments);
        EXPECT_EQ(result.exitCode, 0) << arguments.back() << result.err;
        EXPECT_EQ(result.out.rfind("Model: HT-Lk1\n", 0), 0u);
    }
}

TEST_F(InfoCliTest, FaultsEndWithTheMessageOfTheirCode) {
    struct Case {
        std::vector<std::string> options;
        std::string message;
    };
    const std::string model =
        " - Appropriate cloning software for the transceiver is being used.\n"
        " - The revision number of the transceiver.\n";
    const Case cases[] = {
        {{"--no-answer"}, "No answer from transceiver.\n\n" + kCheckLines},
        {{"--no-echo"}, "Cannot access COM port.\n\n" + kCheckLines},
        {{"--corrupt-echo", "7"}, "Cannot access COM port.\n\n" + kCheckLines},
        {{"--version-code", "2"},
         "Connected transceiver is not compatible model.\n\nCheck the following:\n" + model},
        {{"--identity-length", "26"}, "Illegal information.\n\n" + kCheckLines + model},
        {{"--model-code", "3075"}, "Illegal information.\n\n" + kCheckLines + model},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.front());
        SimulatorProcess sim(c.options);
        testing::ProtocolCheck check(sim);
        auto result = RunProcess(ORVANE_CLI_PATH, {"info", "--port", sim.DevicePath()});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, c.message);
        EXPECT_EQ(result.out, "");
    }
}

TEST_F(InfoCliTest, PortThatCannotBeOpenedNamesTheDeviceAndTheReason) {
    auto missing = RunProcess(ORVANE_CLI_PATH, {"info", "--port", "/dev/orvane-no-such-port"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Cannot access COM 1.\n\n" + kCheckLines +
                               "\n/dev/orvane-no-such-port: No such file or directory.\n");

    // A port held by another program is refused, and the holder keeps it.
    SimulatorProcess sim({});
    testing::ProtocolCheck check(sim);
    PosixSerialDevice holder;
    ASSERT_TRUE(holder.Open(sim.DevicePath()));
    auto busy = RunProcess(ORVANE_CLI_PATH, {"info", "--port", sim.DevicePath()});
    EXPECT_EQ(busy.exitCode, 1);
    EXPECT_NE(busy.err.find(sim.DevicePath() + ": in use by another program."), std::string::npos);
    EXPECT_TRUE(holder.IsOpen());
    holder.Close();
    auto free = RunProcess(ORVANE_CLI_PATH, {"info", "--port", sim.DevicePath()});
    EXPECT_EQ(free.exitCode, 0) << free.err;

    // A number without a device behind it.
    WriteSettings("[Ports]\nCOM200=/dev/orvane-no-such-port\n");
    auto numbered = RunProcess(ORVANE_CLI_PATH, {"info", "--port", "COM200"});
    EXPECT_EQ(numbered.exitCode, 1);
    EXPECT_EQ(numbered.err.rfind("Cannot access COM 200.\n\n", 0), 0u);
}

TEST_F(InfoCliTest, BadArgumentsAreUsageErrors) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"info", "--port"},
                                                      {"info", "--port", "COM0"},
                                                      {"info", "--port", "257"},
                                                      {"info", "--port", "ttyUSB0"},
                                                      {"info", "--port", "COMx"},
                                                      {"info", "--fast"}}) {
        auto result = RunProcess(ORVANE_CLI_PATH, arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.back();
        EXPECT_FALSE(result.err.empty());
        EXPECT_EQ(result.out, "");
    }
}

}  // namespace
}  // namespace orvane
