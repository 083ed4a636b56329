// Reads and writes through the clone manager on a real pseudo-terminal, against
// orvane-radio-sim as a separate process: both speeds, and each fault ending with its
// code and leaving nothing half-done. The simulator checks every frame against its own
// reading of the protocol; each test ends by asking it whether the program kept to it.

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/clone_session.h"
#include "cli/given_device_locator.h"
#include "image/clone_file.h"
#include "image/default_images.h"
#include "image/image_layout.h"
#include "image/range_tables.h"
#include "simulator_process.h"
#include "support/protocol_check.h"
#include "support/scripted_prompter.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

QCoreApplication& Application() {
    static int argc = 1;
    static char name[] = "clone_transfer_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    return application;
}

EepromImage PatternImage() {
    EepromImage image;
    image.Resize(kImageCapacity);
    PrepareDefaultImage(image, 3);
    for (std::int32_t a = 0; a < kModelDigitsAddress; ++a) {
        image.SetByte(a, static_cast<std::uint8_t>(a * 13 + 5));
    }
    for (std::int32_t i = 0; i < kCommentLength; ++i) {
        image.SetByte(kCommentAddress + i, static_cast<std::uint8_t>('A' + i));
    }
    return image;
}

class CloneTransferTest : public ::testing::Test {
protected:
    CloneTransferTest() {
        Application();
        directory_ = fs::temp_directory_path() /
                     ("orvane-transfer-" + std::to_string(getpid()) + "-" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(directory_);
    }
    ~CloneTransferTest() override { fs::remove_all(directory_); }

    std::string PathOf(const std::string& name) const { return (directory_ / name).string(); }

    // A session on the simulator's device.
    std::unique_ptr<cli::CloneSession> Session(const SimulatorProcess& sim, bool highSpeed) {
        locator_ = std::make_unique<cli::GivenDeviceLocator>(sim.DevicePath());
        return std::make_unique<cli::CloneSession>(*locator_, 1, highSpeed, prompter_);
    }

    EepromImage LoadFile(const std::string& path) {
        EepromImage image;
        image.Resize(kImageCapacity);
        TextStore texts;
        texts.SetSource(MainResource());
        EXPECT_EQ(CloneFile(image, texts, prompter_).Load(path), FileError::None);
        return image;
    }

    fs::path directory_;
    testing::ScriptedPrompter prompter_;
    std::unique_ptr<cli::GivenDeviceLocator> locator_;
};

TEST_F(CloneTransferTest, ReadAtBothSpeeds) {
    EepromImage served = PatternImage();
    {
        TextStore texts;
        texts.SetSource(MainResource());
        CloneFile file(served, texts, prompter_);
        file.SetVersion(4);
        ASSERT_EQ(file.Save(PathOf("served.zcf")), FileError::None);
    }
    for (bool highSpeed : {false, true}) {
        SCOPED_TRACE(highSpeed);
        SimulatorProcess sim({"--read-file", PathOf("served.zcf")});
        testing::ProtocolCheck check(sim);
        auto session = Session(sim, highSpeed);
        ASSERT_EQ(session->RunRead(ReadRanges()), 0);
        const EepromImage& read = session->ReadImage();
        for (std::int32_t a = 0; a < kCloneAreaSize; ++a) {
            ASSERT_EQ(read.GetByte(a), served.GetByte(a)) << a;
        }
        EXPECT_EQ(session->Manager().Engine().DataBytes(), kCloneAreaSize);
    }
    EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(CloneTransferTest, WriteAtBothSpeedsThenReadItBack) {
    const EepromImage image = PatternImage();
    EepromImage factory;
    factory.Resize(kImageCapacity);
    PrepareDefaultImage(factory, 3);
    AddressBitMap sent;
    sent.Reset(kCloneAreaSize);
    sent.SetRanges(ExtendedWriteRanges());
    auto wasSent = [&](std::int32_t address) {
        AddressBitMap one;
        one.Reset(kCloneAreaSize);
        one.Set(address);
        return !one.HasBitsOutside(sent);
    };
    for (bool highSpeed : {false, true}) {
        SCOPED_TRACE(highSpeed);
        std::string stored = PathOf(highSpeed ? "fast.zcf" : "normal.zcf");
        SimulatorProcess sim({"--write-file", stored});
        testing::ProtocolCheck check(sim);
        auto session = Session(sim, highSpeed);
        ASSERT_EQ(session->RunInformation(CloneManager::InformationSpeed::Normal), 0);
        ASSERT_EQ(session->RunWrite(image, ExtendedWriteRanges()), 0);
        // What the list sends arrives; what it leaves out keeps the radio's own bytes.
        EepromImage written = LoadFile(stored);
        for (std::int32_t a = 0; a < kCloneAreaSize; ++a) {
            ASSERT_EQ(written.GetByte(a), wasSent(a) ? image.GetByte(a) : factory.GetByte(a)) << a;
        }
        // The radio keeps it: a read in the same run returns it.
        ASSERT_EQ(session->RunRead(ReadRanges()), 0);
        for (std::int32_t a = 0; a < kCloneAreaSize; ++a) {
            ASSERT_EQ(session->ReadImage().GetByte(a), written.GetByte(a)) << a;
        }
    }
    EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(CloneTransferTest, ReadFaultsEndWithTheirCodeAndAdoptNothing) {
    struct Case {
        std::vector<std::string> options;
        int code;
        std::string message;
    };
    const Case cases[] = {
        {{"--bad-checksum"}, 6, "Illegal data."},
        {{"--wrong-count"}, 7, "Data counter error."},
        {{"--no-answer"}, 5, "No answer from transceiver."},
        {{"--hang-up", "20"}, 5, "No answer from transceiver."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.front());
        prompter_.shown.clear();
        SimulatorProcess sim(c.options);
        testing::ProtocolCheck check(sim);
        auto session = Session(sim, false);
        EXPECT_EQ(session->RunRead(ReadRanges()), c.code);
        EXPECT_EQ(session->ReadImage().Size(), 0);
        ASSERT_EQ(prompter_.shown.size(), 1u);
        EXPECT_EQ(prompter_.shown[0].text.substr(0, prompter_.shown[0].text.find('\n')), c.message);
        if (c.options.front() == "--hang-up") {
            EXPECT_EQ(sim.WaitForExit(2000), 0);
            EXPECT_NE(sim.Errors().find("hung up"), std::string::npos);
        }
    }
}

TEST_F(CloneTransferTest, WriteFaultsEndWithTheirCodeAndStoreNothing) {
    struct Case {
        std::vector<std::string> options;
        std::vector<int> codes;
    };
    // A radio that hangs up mid-write is noticed either by the echo that stops (4) or by
    // the driver refusing the next bytes (17), whichever comes first.
    const Case cases[] = {
        {{"--wrong-ack"}, {10}},
        {{"--corrupt-echo", "500"}, {4}},
        {{"--hang-up", "30"}, {4, 17}},
    };
    const EepromImage image = PatternImage();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.front());
        std::string stored = PathOf(c.options.front().substr(2) + ".zcf");
        std::vector<std::string> options = c.options;
        options.insert(options.end(), {"--write-file", stored});
        SimulatorProcess sim(options);
        testing::ProtocolCheck check(sim);
        auto session = Session(sim, false);
        int code = session->RunWrite(image, WriteRanges());
        EXPECT_NE(std::find(c.codes.begin(), c.codes.end(), code), c.codes.end()) << code;
        EXPECT_FALSE(fs::exists(stored));
        // The port is free again at once.
        if (c.options.front() == "--wrong-ack") {
            EXPECT_EQ(session->RunInformation(CloneManager::InformationSpeed::Normal), 0);
        }
        if (c.options.front() == "--hang-up") {
            EXPECT_EQ(sim.WaitForExit(3000), 0);
        }
    }
}

}  // namespace
}  // namespace orvane
