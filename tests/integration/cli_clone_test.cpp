// "orvane-cli read" and "write" as real processes against orvane-radio-sim over a real
// pseudo-terminal: a read written back leaves the radio as it was at both speeds, and
// every stop (no radio, data errors, another model, no confirmation) writes nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "clone_data_file.h"
#include "image/default_images.h"
#include "image/eeprom_image.h"
#include "image/image_layout.h"
#include "image/range_tables.h"
#include "image/scratch_directory.h"
#include "simulator_process.h"
#include "support/process_runner.h"
#include "support/protocol_check.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kBankCapacities = 0xE60;

class CliCloneTest : public ::testing::Test {
protected:
    ProcessResult Run(const std::vector<std::string>& arguments) const {
        return RunProcess(ORVANE_CLI_PATH, arguments,
                          {"HOME=" + directory_.Path().string(),
                           "XDG_CONFIG_HOME=" + directory_.File("config")});
    }

    static std::vector<std::uint8_t> Load(const std::string& path) {
        std::vector<std::uint8_t> memory(kImageCapacity);
        const std::string failure = sim::ReadCloneDataFile(path, memory);
        EXPECT_EQ(failure, "") << path;
        return memory;
    }

    // A model's default data with `edit` applied, saved as a clone data file.
    std::string SaveEdited(int modelType, const std::string& name,
                           void (*edit)(std::vector<std::uint8_t>&)) const {
        EepromImage image;
        image.Resize(kImageCapacity);
        PrepareDefaultImage(image, modelType);
        std::vector<std::uint8_t> memory(image.Bytes().begin(), image.Bytes().end());
        edit(memory);
        const std::string path = directory_.File(name);
        EXPECT_EQ(sim::WriteCloneDataFile(path, modelType == 3 ? 4 : 1, memory), "");
        return path;
    }

    ScratchDirectory directory_;
};

TEST_F(CliCloneTest, AReadWrittenBackLeavesTheRadioAsItWasAtBothSpeeds) {
    for (const char* speed : {"", "--high-speed"}) {
        SCOPED_TRACE(*speed ? speed : "normal speed");
        const std::string read = directory_.File(std::string("read") + speed + ".zcf");
        const std::string written = directory_.File(std::string("written") + speed + ".zcf");
        SimulatorProcess sim({"--write-file", written});
        ProtocolCheck check(sim);
        std::vector<std::string> readArguments{"read", "--port", sim.DevicePath(), "-o", read};
        std::vector<std::string> writeArguments{"write", read, "--port", sim.DevicePath(),
                                                "--yes"};
        if (*speed) {
            readArguments.push_back(speed);
            writeArguments.push_back(speed);
        }
        const ProcessResult readResult = Run(readArguments);
        ASSERT_EQ(readResult.exitCode, 0) << readResult.err;
        EXPECT_EQ(readResult.err, "");
        const ProcessResult writeResult = Run(writeArguments);
        ASSERT_EQ(writeResult.exitCode, 0) << writeResult.err;
        EXPECT_NE(writeResult.err.find("Cloning is succeeded."), std::string::npos);

        const std::vector<std::uint8_t> served = Load(read);
        const std::vector<std::uint8_t> stored = Load(written);
        for (const AddressRange& range : WriteRanges()) {
            if (range.start > range.end) {
                break;
            }
            for (std::int32_t address = range.start; address <= range.end; ++address) {
                ASSERT_EQ(stored[address], served[address]) << "address " << address;
            }
        }
    }
}

TEST_F(CliCloneTest, EveryStopWritesNothing) {
    struct Case {
        const char* name;
        std::vector<std::string> simulator;
        int modelType;
        void (*edit)(std::vector<std::uint8_t>&);
        std::vector<std::string> extra;
        std::string message;
    };
    auto unchanged = [](std::vector<std::uint8_t>&) {};
    // Bank 3 empty between banks that hold channels: the bank operation sheet is in error.
    auto bankAfterEmpty = [](std::vector<std::uint8_t>& memory) {
        memory[kBankCapacities + 3] = 0;
    };
    const Case cases[] = {
        {"data error", {}, 3, bankAfterEmpty, {"--yes"},
         "Setting error is found.\nCheck the items that 'x' mark is displayed.\n"
         "Bank Operation\n"},
        {"another model", {"--model-type", "0"}, 3, unchanged, {"--yes"},
         "The wrong transceiver version is connected.\nConfirm the transceiver version.\n"},
        {"no terminal to confirm on", {}, 3, unchanged, {},
         "Write to transceiver. Are you sure?\norvane-cli write: not confirmed: there is no "
         "terminal to ask on; give --yes to confirm\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string written = directory_.File(std::string("w-") + c.name + ".zcf");
        std::vector<std::string> options = c.simulator;
        options.insert(options.end(), {"--write-file", written});
        SimulatorProcess sim(options);
        ProtocolCheck check(sim);
        const std::string file = SaveEdited(c.modelType, std::string(c.name) + ".zcf", c.edit);
        std::vector<std::string> arguments{"write", file, "--port", sim.DevicePath()};
        arguments.insert(arguments.end(), c.extra.begin(), c.extra.end());
        const ProcessResult result = Run(arguments);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, c.message);
        EXPECT_FALSE(fs::exists(written)) << "the radio was written";
    }
}

TEST_F(CliCloneTest, AFailedReadWritesNoFile) {
    SimulatorProcess sim({"--no-answer"});
    ProtocolCheck check(sim);
    const std::string read = directory_.File("never.zcf");
    const ProcessResult result = Run({"read", "--port", sim.DevicePath(), "-o", read});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("No answer from transceiver.", 0), 0u) << result.err;
    EXPECT_FALSE(fs::exists(read));
}

TEST_F(CliCloneTest, UsageErrorsExitWithTwo) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"read"}, {"read", "-o", "x.zcf", "--port", "COM0"},
          {"write"}, {"write", "a.zcf", "b.zcf"}}) {
        EXPECT_EQ(Run(arguments).exitCode, 2) << arguments.back();
    }
}

}  // namespace
}  // namespace orvane::testing
