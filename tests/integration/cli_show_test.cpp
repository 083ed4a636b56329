// "orvane-cli show" as a real process: the tree of a file's model with its marks, and a
// bank sheet with the channel values the file holds.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "clone_data_file.h"
#include "image/default_images.h"
#include "image/eeprom_image.h"
#include "image/image_layout.h"
#include "image/scratch_directory.h"
#include "radio/channel_store.h"
#include "support/process_runner.h"

namespace orvane::testing {
namespace {

class CliShowTest : public ::testing::Test {
protected:
    CliShowTest() {
        // Bank 0's first channel named and in band; its second out of the receive band.
        EepromImage image;
        image.Resize(kImageCapacity);
        PrepareDefaultImage(image, 3);
        ChannelStore channels(image, 3);
        Put(channels, 0, 121'500'000, "TOWER");
        Put(channels, 1, 150'000'000, "FAR");
        const std::vector<std::uint8_t> memory(image.Bytes().begin(), image.Bytes().end());
        EXPECT_EQ(sim::WriteCloneDataFile(file_, 4, memory), "");
    }

    static void Put(ChannelStore& channels, int position, Hertz hertz, const std::string& name) {
        MemoryChannel channel = channels.Load(MemoryChannel::kMemory, position);
        channel.used = true;
        channel.rxHz = hertz;
        channel.txHz = hertz;
        channel.wx = MemoryChannel::kWxOff;
        channel.duplex = false;
        channel.txInhibit = false;
        channel.name = name + std::string(8 - name.size(), ' ');
        channel.dotMask = 0;
        channel.tag = false;
        channels.Store(channel);
    }

    ProcessResult Run(const std::vector<std::string>& arguments) const {
        return RunProcess(ORVANE_CLI_PATH, arguments,
                          {"HOME=" + directory_.Path().string(),
                           "XDG_CONFIG_HOME=" + directory_.File("config")});
    }

    // The line of the sheet whose second cell is `rowLabel`.
    static std::string RowOf(const std::string& sheet, const std::string& rowLabel) {
        std::istringstream lines(sheet);
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("\t" + rowLabel + "\t", 0) == 0) {
                return line;
            }
        }
        return "(no row " + rowLabel + ")";
    }

    ScratchDirectory directory_;
    std::string file_ = directory_.File("known.zcf");
};

TEST_F(CliShowTest, TheTreeShowsTheModelsSheetsAndTheMarks) {
    const ProcessResult result = Run({"show", file_});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.rfind("HT-Lk1\n  Memory CH [!]\n    Bank Operation\n", 0), 0u)
        << result.out;
    EXPECT_NE(result.out.find("    0: ") , std::string::npos);
    EXPECT_NE(result.out.find("\n  WX CH\n  Common Setting\n  Clone Comment\n"),
              std::string::npos);
    EXPECT_EQ(result.out.find("EXPERT"), std::string::npos);
}

TEST_F(CliShowTest, ABankSheetShowsTheChannelsOfTheFile) {
    for (const char* name : {"Bank 0", " bank 0 "}) {
        const ProcessResult result = Run({"show", file_, name});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const std::string tower = RowOf(result.out, "0- 0");
        EXPECT_NE(tower.find("\t121.500\t"), std::string::npos) << tower;
        EXPECT_NE(tower.find("\tTOWER"), std::string::npos) << tower;
        EXPECT_EQ(tower.find("[!]"), std::string::npos) << tower;
        const std::string far = RowOf(result.out, "0- 1");
        EXPECT_NE(far.find("150.000 [!]"), std::string::npos) << far;
    }
}

TEST_F(CliShowTest, UnknownSheetsAndFilesFailAndMisuseIsAUsageError) {
    const ProcessResult unknown = Run({"show", file_, "No Such Sheet"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("No Such Sheet"), std::string::npos);
    EXPECT_EQ(Run({"show", directory_.File("missing.zcf")}).exitCode, 1);
    EXPECT_EQ(Run({"show"}).exitCode, 2);
    EXPECT_EQ(Run({"show", file_, "Bank 0", "extra"}).exitCode, 2);
}

}  // namespace
}  // namespace orvane::testing
