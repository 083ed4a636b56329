// The clone manager: how it configures the engine for each speed and for adjust mode,
// how it dispatches results, the messages it shows and posts, and the progress bar.

#include "clone/clone_manager.h"

#include <gtest/gtest.h>

#include "clone/clone_error_message.h"
#include "clone/clone_result_checks.h"
#include "clone/clone_script.h"
#include "clone/progress_fill.h"
#include "image/default_images.h"
#include "image/image_layout.h"
#include "image/model_version.h"
#include "image/range_tables.h"
#include "support/scripted_prompter.h"
#include "text/text_store.h"
#include "transport_fixture.h"
#include "wire_frames.h"

namespace orvane {
namespace {

using sim::RadioSetup;

class RecordingProgressView final : public CloneProgressView {
public:
    void Open() override {
        open_ = true;
        events.push_back("open");
    }
    void Paint(int filledCells) override { painted.push_back(filledCells); }
    void Close() override {
        open_ = false;
        events.push_back("close");
    }
    bool IsOpen() const override { return open_; }

    std::vector<std::string> events;
    std::vector<int> painted;

private:
    bool open_ = false;
};

class BusRecorder final : public BusSubscriber {
public:
    void OnBusMessage(const BusMessage& message) override {
        messages.emplace_back(message.kind, static_cast<int>(message.int1));
    }
    std::vector<std::pair<int, int>> messages;
};

EepromImage DefaultImage(int modelType) {
    EepromImage image;
    image.Resize(kImageCapacity);
    PrepareDefaultImage(image, modelType);
    return image;
}

class CloneManagerTest : public ::testing::Test, public testing::TransportFixture {
protected:
    CloneManagerTest()
        : manager(Environment(),
                  CloneManagerHost{texts, prompter, bus, {comPort, comSpeedHigh}, &view}) {
        texts.SetSource(MainResource());
        bus.Subscribe(&recorder);
        manager.SetModel(kModelCode, 0);
        manager.SetImageSize(kImageCapacity);
    }

    CloneManager::Handler Capture() {
        return [this](CloneResult& result) {
            errors.push_back(result.error);
            lastIdentity = result.identity;
        };
    }
    void RunToEnd() {
        for (int i = 0; i < 20000 && manager.IsBusy(); ++i) {
            time.Advance(10);
        }
        ASSERT_FALSE(manager.IsBusy());
        time.Advance(40);
        bus.Pump();
    }

    TextStore texts;
    testing::ScriptedPrompter prompter;
    MessageBus bus;
    BusRecorder recorder;
    RecordingProgressView view;
    std::int32_t comPort = 3;
    std::int32_t comSpeedHigh = 0;
    CloneManager manager;
    std::vector<int> errors;
    std::vector<std::uint8_t> lastIdentity;
};

TEST_F(CloneManagerTest, ConfigurationForEachSpeedAndForAdjustMode) {
    struct Case {
        const char* name;
        int speedHigh;
        bool adjust;
        const char* link;
        int requestPreamble;
        int dataPreamble;
        bool speedScript;
    };
    const Case cases[] = {{"normal", 0, false, "9600,N,8,1", 24, 0, false},
                          {"high", 1, false, "38400,N,8,1", 96, 48, true},
                          {"adjust", 0, true, "9600,N,8,1", 24, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        comSpeedHigh = c.speedHigh;
        if (c.adjust) {
            comSpeedHigh = 1;
            manager.EnterAdjustMode(3);
            EXPECT_EQ(comSpeedHigh, 0);
            EXPECT_EQ(manager.Engine().Config().script, AdjustModeScript(0x3074, 4));
            EXPECT_EQ(manager.Engine().Config().scriptTimeoutMs, 1500u);
        }
        ASSERT_TRUE(manager.StartRead(ReadRanges(), Capture()));
        const CloneConfig& config = manager.Engine().Config();
        EXPECT_EQ(config.linkSettings, c.link);
        EXPECT_EQ(config.requestPreamble, c.requestPreamble);
        EXPECT_EQ(config.dataPreamble, c.dataPreamble);
        if (c.speedScript) {
            EXPECT_EQ(config.script, SpeedChangeScript(0x3074));
        } else if (c.adjust) {
            EXPECT_EQ(config.script, AdjustModeScript(0x3074, 4));
        } else {
            EXPECT_TRUE(config.script.empty());
        }
        EXPECT_EQ(config.portNumber, 3);
        EXPECT_EQ(config.scriptDelayMs, 200u);
        EXPECT_TRUE(config.echoCheck);
        EXPECT_TRUE(config.countSuffix);
        EXPECT_EQ(config.dataSize, 32);
        EXPECT_EQ(config.finalTimeoutMs, 10000u);
        RunToEnd();
    }
}

TEST_F(CloneManagerTest, SpeedChangeScriptTextIsTheFixedOne) {
    EXPECT_EQ(
        SpeedChangeScript(0x3074),
        "(9600,N,8,1)FEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFE EEEF E8 30740000 0000 02 01 FD");
}

TEST_F(CloneManagerTest, InformationRunsAtNormalSpeedUnlessAskedOtherwise) {
    comSpeedHigh = 1;
    ASSERT_TRUE(manager.StartInformation(Capture()));
    EXPECT_EQ(manager.Engine().Config().linkSettings, "9600,N,8,1");
    RunToEnd();
    ASSERT_TRUE(manager.StartInformation(Capture(), CloneManager::InformationSpeed::Chosen));
    EXPECT_EQ(manager.Engine().Config().linkSettings, "38400,N,8,1");
    RunToEnd();
}

TEST_F(CloneManagerTest, ResultsWithoutAHandlerFail) {
    AttachRadio(RadioSetup{}, DefaultImage(3));
    ASSERT_TRUE(manager.StartInformation(Capture()));
    RunToEnd();
    ASSERT_TRUE(manager.StartRead(ReadRanges(), Capture()));
    RunToEnd();
    EXPECT_EQ(errors, (std::vector<int>{11, 8}));
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].caption, "Orvane");
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Error);
    EXPECT_EQ(prompter.shown[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(prompter.shown[1].text.rfind("There is not enough data.\n\n", 0), 0u);
}

TEST_F(CloneManagerTest, SuccessfulReadShowsNothingPostsTheMessagesAndCompletes) {
    AttachRadio(RadioSetup{}, DefaultImage(3));
    manager.SetReadHandler([](CloneResult& result) { JudgeReadResult(result); });
    ASSERT_TRUE(manager.StartRead(ReadRanges(), Capture()));
    EXPECT_FALSE(manager.StartRead(ReadRanges(), Capture()));
    EXPECT_FALSE(manager.StartInformation(Capture()));
    RunToEnd();
    EXPECT_EQ(errors, std::vector<int>{0});
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(view.events, (std::vector<std::string>{"open", "close"}));
    ASSERT_FALSE(view.painted.empty());
    EXPECT_TRUE(std::is_sorted(view.painted.begin(), view.painted.end()));
    EXPECT_EQ(recorder.messages, (std::vector<std::pair<int, int>>{{40, 0}, {39, 1}}));
}

TEST_F(CloneManagerTest, FailedInformationPostsAndShowsTheMessage) {
    manager.SetInformationHandler([](CloneResult& result) {
        RadioIdentity identity{};
        JudgeInformationResult(result, false, identity);
    });
    ASSERT_TRUE(manager.StartInformation(Capture()));
    // A read asked for meanwhile is refused and changes nothing.
    EXPECT_FALSE(manager.StartRead(ReadRanges(), Capture()));
    RunToEnd();
    EXPECT_EQ(errors, std::vector<int>{5});
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              "No answer from transceiver.\n\nCheck the following:\n - The COM port settings.\n"
              " - Cloning cable connections.\n - transceiver power is ON.");
    // No progress window for an information request.
    EXPECT_TRUE(view.events.empty());
    EXPECT_EQ(recorder.messages, (std::vector<std::pair<int, int>>{{38, 0}, {40, 0}, {39, 0}}));
}

TEST_F(CloneManagerTest, WriteThenAdjustModeStaysUntilLeft) {
    AttachRadio(RadioSetup{}, DefaultImage(3));
    manager.SetInformationHandler([this](CloneResult& result) {
        RadioIdentity identity{};
        JudgeInformationResult(result, manager.AdjustMode(), identity);
    });
    manager.EnterAdjustMode(3);
    ASSERT_TRUE(manager.StartInformation(Capture()));
    RunToEnd();
    EXPECT_TRUE(radio->AdjustMode());
    EXPECT_TRUE(manager.Engine().Config().script.empty());
    ASSERT_TRUE(manager.StartWrite(DefaultImage(3), WriteRanges(), Capture()));
    RunToEnd();
    EXPECT_EQ(errors, (std::vector<int>{0, 0}));
    EXPECT_EQ(storeCount, 1);
    EXPECT_TRUE(manager.AdjustMode());
    manager.LeaveAdjustMode();
    EXPECT_FALSE(manager.AdjustMode());
}

TEST(CloneErrorMessageTest, HeadLineAndCheckLinesPerCode) {
    TextStore texts;
    texts.SetSource(MainResource());
    const std::string basic =
        "Check the following:\n - The COM port settings.\n - Cloning cable connections.\n"
        " - transceiver power is ON.";
    const std::string model =
        " - Appropriate cloning software for the transceiver is being used.\n"
        " - The revision number of the transceiver.";
    struct Case {
        int code;
        std::string text;
    };
    const Case cases[] = {
        {0, ""},
        {2, "Cannot access COM 3.\n\n" + basic},
        {4, "Cannot access COM port.\n\n" + basic},
        {7, "Data counter error.\n\n" + basic},
        {10,
         "Cannot write cloning data.\n\nCheck the following:\n - Cloning cable connections.\n"
         " - transceiver power is ON."},
        {11, "Illegal information.\n\n" + basic + "\n" + model},
        {12, "Illegal information.\n\n" + basic + "\n" + model},
        {13,
         "Transceiver version does not match.\n\nThe transceiver cannot be programmed with the "
         "current setting.\nPlease run the 'Initial Setup' again."},
        {14, "Connected transceiver is not compatible model.\n\nCheck the following:\n" + model},
        {15, "Illegal data.\n\n" + basic},
        {16, "Please update to the latest version.\n\n"},
        {17, "Cannot Clone.\n\n" + basic},
    };
    for (const Case& c : cases) {
        CloneResult result;
        result.error = c.code;
        EXPECT_EQ(CloneErrorMessage(result, 3, texts), c.text) << c.code;
    }
}

TEST(CloneErrorMessageTest, PortFailureAddsAParagraphWithTheFixForPermissions) {
    TextStore texts;
    texts.SetSource(MainResource());
    CloneResult result;
    result.error = 2;
    result.portFailure = "/dev/ttyUSB0: Permission denied";
    result.portFailureIsPermission = true;
    std::string text = CloneErrorMessage(result, 1, texts);
    EXPECT_EQ(text.rfind("Cannot access COM 1.\n\nCheck the following:", 0), 0u);
    std::string last = text.substr(text.rfind('\n') + 1);
    EXPECT_EQ(
        last.rfind("/dev/ttyUSB0: Permission denied. Add your user to the 'dialout' group", 0), 0u);
    result.portFailureIsPermission = false;
    result.portFailure = "/dev/ttyUSB0: No such file or directory";
    EXPECT_TRUE(
        CloneErrorMessage(result, 1, texts)
            .ends_with(" - transceiver power is ON.\n\n/dev/ttyUSB0: No such file or directory."));
}

TEST(ProgressFillTest, CellsFilledAndTheirColumns) {
    struct Case {
        std::int64_t moved;
        std::int64_t expected;
        int filled;
    };
    for (Case c : {Case{2000, 4000, 16}, Case{3878, 4000, 31}, Case{3879, 4000, 32},
                   Case{0, 4000, 0}, Case{4000, 4000, 33}, Case{10, 0, 0}}) {
        EXPECT_EQ(FilledProgressCells(c.moved, c.expected), c.filled) << c.moved;
    }
    EXPECT_EQ(ProgressCellAt(0, 256).first, 0);
    EXPECT_EQ(ProgressCellAt(0, 256).last, 6);
    EXPECT_EQ(ProgressCellAt(31, 256).first, 248);
    EXPECT_EQ(ProgressCellAt(31, 256).last, 254);
    EXPECT_EQ(ProgressCellAt(1, 100).first, 3);
    EXPECT_EQ(ProgressCellAt(1, 100).last, 4);
}

CloneResult InformationResult(std::uint16_t code, std::uint16_t version, std::size_t identitySize) {
    CloneResult result;
    result.operation = CloneOperation::Information;
    result.error = 0;
    result.modelCode = code;
    result.modelVersion = version;
    result.identity.assign(identitySize, 'x');
    return result;
}

TEST(CloneResultChecksTest, InformationJudgement) {
    struct Case {
        std::uint16_t code;
        std::uint16_t version;
        std::size_t size;
        bool adjust;
        int error;
    };
    const Case cases[] = {
        {0x3074, 1, 27, false, 0},  {0x3074, 4, 27, false, 0},  {0x3074, 5, 27, false, 0},
        {0x3074, 2, 27, false, 14}, {0x3074, 8, 27, false, 14}, {0x3074, 4, 27, true, 0},
        {0x3074, 8, 27, true, 0},   {0x3074, 1, 27, true, 14},  {0x3075, 4, 27, false, 11},
        {0x3075, 2, 20, false, 11}, {0x3074, 4, 26, false, 11}, {0x3074, 4, 28, false, 11},
        {0x3074, 2, 26, false, 14},
    };
    for (const Case& c : cases) {
        CloneResult result = InformationResult(c.code, c.version, c.size);
        RadioIdentity identity{};
        JudgeInformationResult(result, c.adjust, identity);
        EXPECT_EQ(result.error, c.error) << c.code << " " << c.version << " " << c.size;
        EXPECT_EQ(identity.Comment()[0], c.error == 0 ? 'x' : 0);
    }
    // Another operation's result or an earlier error are left alone.
    CloneResult failed = InformationResult(0x3075, 4, 27);
    failed.error = 5;
    RadioIdentity identity{};
    JudgeInformationResult(failed, false, identity);
    EXPECT_EQ(failed.error, 5);
}

TEST(CloneResultChecksTest, ReadJudgement) {
    CloneResult result;
    result.operation = CloneOperation::Read;
    result.error = 0;
    result.image = DefaultImage(0);
    JudgeReadResult(result);
    EXPECT_EQ(result.error, 0);
    result.image.SetByte(kModelDigitsAddress + 7, '2');
    JudgeReadResult(result);
    EXPECT_EQ(result.error, 15);
}

}  // namespace
}  // namespace orvane
