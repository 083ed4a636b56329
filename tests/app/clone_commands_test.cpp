// The clone commands over a real clone manager and a simulated radio behind the fake
// serial device, under virtual time: what each answer of the user and each answer of the
// radio leads to, what reaches the radio, and what the document holds afterwards.

#include "app/clone_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/app_messages.h"
#include "app/file_commands.h"
#include "app/radio_capabilities.h"
#include "app_fakes.h"
#include "clone/clone_manager.h"
#include "image/default_images.h"
#include "image/extension_block.h"
#include "image/model_type.h"
#include "image/range_tables.h"
#include "radio/channel_store.h"
#include "radio/memory_channel.h"
#include "radio/memory_map.h"
#include "radio/setting_addresses.h"
#include "support/clone_box_texts.h"
#include "support/fake_instance_lock.h"
#include "support/memory_settings_store.h"
#include "support/scripted_prompter.h"
#include "text/text_store.h"
#include "transport_fixture.h"
#include "wire_frames.h"

namespace orvane {
namespace {

using testing::FakeHost;
using testing::FakeMainView;
using Command = void (CloneCommands::*)();
using Requests = std::vector<std::uint8_t>;
using Outcome = CloneOutcome;

constexpr std::uint8_t kInfo = sim::kInformationRequest;
constexpr std::uint8_t kRead = sim::kReadRequest;
constexpr std::uint8_t kWrite = sim::kWriteRequest;
constexpr std::uint8_t kEnd = sim::kEndFrame;
constexpr std::uint8_t kSetup = sim::kSetupFrame;

constexpr const char* kDataError = testing::kDataErrorText;
constexpr const char* kModelError = testing::kModelErrorText;
constexpr const char* kDataWarning = testing::kDataWarningText;
constexpr const char* kConfirmWrite = "Write to transceiver. Are you sure?";
constexpr const char* kSucceeded = testing::kWriteSucceededText;

// The squelch level of the settings in use, and its place in the home-setting block.
constexpr std::int32_t kCurrentSql = setting_address::kSqlLevel;
constexpr std::int32_t kHomeSql = 0xDD0;
// The last byte of the home settings block, which no fitting touches, and its place in
// the home-setting block.
constexpr std::int32_t kHomeBlockFreeByte = memory_map::kHomeBlock + memory_map::kHomeBlockSize - 1;
constexpr std::int32_t kHomeSettingFreeByte = 0xDBF;
// Written only by the expert lists: an expert setting and the opening text.
constexpr std::int32_t kExpertSetting = 0xD70;
constexpr std::int32_t kOpeningText = setting_address::kOpeningText + 1;

sim::RadioSetup Radio(int modelType) {
    sim::RadioSetup setup;
    setup.modelType = modelType;
    setup.flagsA = sim::DefaultFlagsA(modelType);
    return setup;
}

EepromImage RadioImage(int modelType) {
    EepromImage image;
    image.Resize(kImageCapacity);
    PrepareDefaultImage(image, modelType);
    return image;
}

class CloneCommandsTest : public ::testing::Test,
                          public testing::TransportFixture,
                          public BusSubscriber {
protected:
    CloneCommandsTest()
        : settings_(store_, lock_, ScreenSize{1024, 768}, {"orvane"}),
          document_("."),
          host_(document_, settings_),
          files_({document_, settings_, texts_, prompter_, view_, host_, false}),
          manager_(
              Environment(),
              CloneManagerHost{
                  texts_, prompter_, bus_, {settings_.ComPort, settings_.ComSpeedHigh}, nullptr}) {
        texts_.SetSource(MainResource());
        bus_.Subscribe(this);
        UseModel(model_type::kLk1);
        MakeCommands(false);
    }

    void MakeCommands(bool expertMode) {
        expertMode_ = expertMode;
        commands_ = std::make_unique<CloneCommands>(
            CloneCommandsContext{document_, settings_, texts_, prompter_, view_, bus_, host_,
                                 files_, manager_, expertMode});
        commands_->SetOutcomeListener(
            [this](CloneOutcome outcome) { outcomes_.push_back(outcome); });
    }

    void UseModel(int modelType) {
        settings_.Radio.modelType = modelType;
        document_.Template() = BuildTemplateImage(settings_.Radio, false, settings_.ExtraChannels);
        document_.Current().Assign(document_.Template());
        document_.MarkSaved();
    }

    // The controller's handling of the capabilities message.
    void OnBusMessage(const BusMessage& message) override {
        kinds_.push_back(message.kind);
        if (message.kind == message::kApplyRadioCapabilities) {
            ApplyRadioCapabilities(commands_->Identity(), settings_, expertMode_);
        }
    }

    void Run(Command command) {
        (commands_.get()->*command)();
        for (int i = 0; i < 20000 && manager_.IsBusy(); ++i) {
            time.Advance(10);
        }
        ASSERT_FALSE(manager_.IsBusy());
        bus_.Pump();
    }

    // Forgets what earlier cases sent, showed and ended with; no radio is connected.
    void NewCase() {
        radio.reset();
        device.onWrite = nullptr;
        device.written.clear();
        storeCount = 0;
        prompter_.shown.clear();
        prompter_.answers.clear();
        outcomes_.clear();
        kinds_.clear();
    }

    // The commands of the frames sent, data frames left out.
    Requests RequestsSent() const {
        Requests commands;
        for (const testing::WireFrame& frame : testing::SplitFrames(device.written)) {
            if (frame.body.size() > 2 && frame.body[2] != sim::kDataFrame) {
                commands.push_back(frame.body[2]);
            }
        }
        return commands;
    }

    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const Prompt& prompt : prompter_.shown) {
            texts.push_back(prompt.text);
        }
        return texts;
    }

    int Count(std::int32_t kind) const {
        return static_cast<int>(std::count(kinds_.begin(), kinds_.end(), kind));
    }

    testing::MemorySettingsStore store_;
    testing::FakeInstanceLock lock_;
    AppSettings settings_;
    TextStore texts_;
    testing::ScriptedPrompter prompter_;
    MessageBus bus_;
    FakeMainView view_;
    Document document_;
    FakeHost host_;
    FileCommands files_;
    CloneManager manager_;
    std::unique_ptr<CloneCommands> commands_;
    bool expertMode_ = false;
    std::vector<CloneOutcome> outcomes_;
    std::vector<std::int32_t> kinds_;
};

TEST_F(CloneCommandsTest, ReadAnswersChooseTheBlockThatBecomesTheSettingsInUse) {
    struct Case {
        PromptAnswer answer;
        Outcome outcome;
        std::uint8_t sql;  // the document's squelch level afterwards
    };
    const Case cases[] = {{PromptAnswer::Yes, Outcome::kRead, 3},
                          {PromptAnswer::No, Outcome::kRead, 7},
                          {PromptAnswer::Cancel, Outcome::kCancelled, 0xEE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        NewCase();
        UseModel(model_type::kLk1);
        document_.Current().SetByte(kCurrentSql, 0xEE);
        document_.SetFileName("/data/club.zcf");
        EepromImage image = RadioImage(model_type::kLk2);
        image.SetByte(kCurrentSql, 3);
        image.SetByte(kHomeSql, 7);
        image.SetByte(setting_address::kChannelSpacing, 1);
        sim::RadioSetup setup = Radio(model_type::kLk2);
        setup.flagsB = 0x01 | 0x02 | 1 << 2;  // VFO, the tuning-step choice, 8.33 kHz
        setup.flagsC = 0x5A;
        AttachRadio(setup, image);
        settings_.Radio.spacing833Allowed = false;
        prompter_.answers = {c.answer};

        Run(&CloneCommands::CloneRead);

        EXPECT_EQ(outcomes_, std::vector<Outcome>{c.outcome});
        EXPECT_EQ(RequestsSent(),
                  (c.outcome == Outcome::kRead ? Requests{kInfo, kRead} : Requests{}));
        EXPECT_EQ(prompter_.shown.back().icon, PromptIcon::Question);
        EXPECT_EQ(prompter_.shown.back().buttons, PromptButtons::YesNoCancel);
        EXPECT_EQ(Shown().back().rfind("Reads the transceiver's current setting data", 0), 0u);
        EXPECT_EQ(document_.Current().GetByte(kCurrentSql), c.sql);
        if (c.outcome != Outcome::kRead) {
            EXPECT_EQ(document_.FileName(), "/data/club.zcf");
            EXPECT_FALSE(document_.Modified());
            continue;
        }
        EXPECT_EQ(settings_.Radio.modelType, model_type::kLk2) << "the model follows the radio";
        EXPECT_TRUE(document_.Modified());
        EXPECT_TRUE(document_.IsUntitled());
        EXPECT_EQ(view_.titles.back(), "Untitled - Orvane");
        // The radio's limits are known before the fitting, which keeps the 8.33 kHz step.
        EXPECT_EQ(document_.Current().GetByte(setting_address::kChannelSpacing), 1);
        EXPECT_EQ(settings_.Radio.channelSpacing, 1);
        EXPECT_EQ(settings_.CapabilityC, 0x5A);
    }
}

TEST_F(CloneCommandsTest, AFailedReadLeavesTheDocumentAsItWas) {
    struct Case {
        const char* what;
        bool radio;
        const char* message;
    };
    const Case cases[] = {{"no radio", false, "No answer from transceiver."},
                          {"foreign data", true, "Illegal data."}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NewCase();
        if (c.radio) {
            EepromImage image = RadioImage(model_type::kLk1);
            image.SetByte(kModelDigitsAddress, '9');
            AttachRadio(Radio(model_type::kLk1), image);
        }
        document_.SetFileName("/data/club.zcf");
        document_.Current().SetByte(kCommentAddress, 'X');
        document_.NoteChanges();
        const EepromImage before = document_.Current();
        prompter_.answers = {PromptAnswer::No, PromptAnswer::Yes};  // not saved; read

        Run(&CloneCommands::CloneRead);

        EXPECT_TRUE(document_.Current().Equals(before));
        EXPECT_EQ(document_.FileName(), "/data/club.zcf");
        EXPECT_TRUE(document_.Modified());
        EXPECT_EQ(outcomes_, std::vector<Outcome>{Outcome::kFailed});
        EXPECT_EQ(Shown().back().rfind(c.message, 0), 0u);
        EXPECT_EQ(host_.replaced, 0);
    }
}

TEST_F(CloneCommandsTest, WriteChecksAndQuestionsDecideWhatReachesTheRadio) {
    struct Case {
        const char* what;
        int radioModel;
        int errors;
        int warnings;
        PromptAnswer answer;
        std::vector<std::string> shown;
        Outcome outcome;
    };
    constexpr PromptAnswer kOk = PromptAnswer::Ok;
    constexpr PromptAnswer kCancel = PromptAnswer::Cancel;
    const Case cases[] = {
        {"errors", model_type::kLk1, 1, 1, kOk, {kDataError}, Outcome::kRefused},
        {"other model", model_type::kLk2, 0, 1, kOk, {kModelError}, Outcome::kRefused},
        {"warnings", model_type::kLk1, 0, 1, kOk, {kDataWarning, kSucceeded}, Outcome::kWritten},
        {"clean", model_type::kLk1, 0, 0, kOk, {kConfirmWrite, kSucceeded}, Outcome::kWritten},
        {"warnings, cancel", model_type::kLk1, 0, 1, kCancel, {kDataWarning}, Outcome::kCancelled},
        {"clean, cancel", model_type::kLk1, 0, 0, kCancel, {kConfirmWrite}, Outcome::kCancelled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NewCase();
        prompter_.answers = {c.answer};
        host_.errorsFound = c.errors;
        host_.warningsFound = c.warnings;
        AttachRadio(Radio(c.radioModel), RadioImage(c.radioModel));

        Run(&CloneCommands::CloneWrite);

        const bool written = c.outcome == Outcome::kWritten;
        EXPECT_EQ(Shown(), c.shown);
        // A confirmation asks the radio again before the write.
        EXPECT_EQ(RequestsSent(),
                  (written ? Requests{kInfo, kInfo, kWrite, kEnd} : Requests{kInfo}));
        EXPECT_EQ(storeCount, written ? 1 : 0);
        EXPECT_EQ(outcomes_, std::vector<Outcome>{c.outcome});
        EXPECT_FALSE(document_.Modified()) << "a write leaves the modified flag";
    }
    EXPECT_EQ(prompter_.shown.front().icon, PromptIcon::Warning);
}

TEST_F(CloneCommandsTest, TheRadioVersionAndModeChooseTheWriteList) {
    struct Case {
        const char* version;
        const char* firmware;
        bool expert;
        bool extended;
    };
    const Case cases[] = {
        {"0.99", "3.01", false, true},  {"1.00", "3.01", false, false},
        {"0.99", "3.02", false, false}, {"?.99", "3.01", false, true},
        {"0.99", "3.01", true, true},   {"1.00", "3.01", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " " + c.firmware + (c.expert ? " expert" : ""));
        NewCase();
        MakeCommands(c.expert);
        UseModel(model_type::kLk1);
        document_.Current().SetByte(kExpertSetting, 0x33);
        document_.Current().SetByte(kOpeningText, 'Q');
        EepromImage image = RadioImage(model_type::kLk1);
        image.SetByte(kExpertSetting, 0x11);
        image.SetByte(kOpeningText, 'R');
        sim::RadioSetup setup = Radio(model_type::kLk1);
        setup.version = c.version;
        setup.firmware = c.firmware;
        AttachRadio(setup, image);

        Run(&CloneCommands::CloneWrite);

        ASSERT_EQ(storeCount, 1);
        std::span<const AddressRange> list = c.expert ? ExpertWriteRanges() : WriteRanges();
        if (c.extended) {
            list = c.expert ? ExtendedExpertWriteRanges() : ExtendedWriteRanges();
        }
        EXPECT_EQ(manager_.Engine().DataBytes(), RangeByteCount(list));
        const auto extension = stored.Bytes().subspan(static_cast<std::size_t>(kExtensionAddress),
                                                      static_cast<std::size_t>(kExtensionSize));
        EXPECT_EQ(std::equal(extension.begin(), extension.end(), ExtensionBlock().begin()),
                  c.extended);
        EXPECT_EQ(stored.GetByte(kExpertSetting), c.expert ? 0x33 : 0x11);
        EXPECT_EQ(stored.GetByte(kOpeningText), c.expert ? 'Q' : 'R');
    }
}

TEST_F(CloneCommandsTest, TheRadioGetsARepairedCopyAndTheDocumentStaysAsItWas) {
    EepromImage& current = document_.Current();
    ChannelStore channels(current, model_type::kLk1);
    MemoryChannel invalid;
    invalid.kind = MemoryChannel::kMemory;
    invalid.position = 2;
    invalid.used = true;
    invalid.rxHz = invalid.txHz = 150'000'000;
    invalid.name = "BROKEN  ";
    channels.Store(invalid);
    MemoryChannel valid = invalid;
    valid.position = 3;
    valid.rxHz = valid.txHz = 121'500'000;
    channels.Store(valid);
    MemoryChannel home = channels.Load(MemoryChannel::kHomeVfo, 0);
    home.rxHz = 150'000'000;
    channels.Store(home);
    current.SetByte(kCurrentSql, 6);
    current.SetByte(kHomeBlockFreeByte, 0x5B);
    current.SetByte(memory_map::kHomeTot, 0);
    // Only a time-out timer the radio does not allow changes in the document.
    EepromImage expected = current;
    expected.SetByte(memory_map::kHomeTot, 18);
    sim::RadioSetup setup = Radio(model_type::kLk1);
    setup.flagsA &= ~0x40;  // no TOT-off
    AttachRadio(setup, RadioImage(model_type::kLk1));

    Run(&CloneCommands::CloneWrite);

    ASSERT_EQ(storeCount, 1);
    EXPECT_TRUE(document_.Current().Equals(expected));
    EXPECT_EQ(stored.GetByte(memory_map::kHomeTot), 18);
    ChannelStore sent(stored, model_type::kLk1);
    MemoryChannel reference =
        ChannelStore(document_.Template(), model_type::kLk1)
            .Load(MemoryChannel::kMemory, memory_map::kDefaultChannelPosition);
    reference.position = 2;
    EXPECT_EQ(sent.Load(MemoryChannel::kMemory, 2), reference);
    EXPECT_EQ(sent.Load(MemoryChannel::kMemory, 3).rxHz, 121'500'000u);
    EXPECT_EQ(sent.Load(MemoryChannel::kHomeVfo, 0).rxHz, reference.rxHz);
    EXPECT_EQ(stored.GetByte(kHomeSql), 6) << "the home-setting block follows the settings";
    EXPECT_EQ(stored.GetByte(kHomeSettingFreeByte), 0x5B);
    for (int copy = 0; copy < memory_map::kHomeCopyCount; ++copy) {
        EXPECT_EQ(stored.GetByte(kHomeBlockFreeByte + copy * memory_map::kHomeCopyStride), 0x5B);
    }
}

TEST_F(CloneCommandsTest, AdjustModeWritesUnaskedToTheFamilyModel) {
    struct Case {
        int selected;
        int radio;
        bool written;
    };
    const Case cases[] = {{model_type::kLk2, model_type::kLk1, true},
                          {model_type::kLk1S, model_type::kHighest, true},
                          {model_type::kLk1, model_type::kLk1S, false},
                          {model_type::kLk2, model_type::kLk2, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.selected) + " <- " + std::to_string(c.radio));
        NewCase();
        UseModel(c.selected);
        AttachRadio(Radio(c.radio), RadioImage(c.radio));

        Run(&CloneCommands::GoAdjustMode);

        EXPECT_EQ(storeCount, c.written ? 1 : 0);
        EXPECT_EQ(Shown(),
                  c.written ? std::vector<std::string>{} : std::vector<std::string>{kModelError});
        EXPECT_EQ(RequestsSent().front(), kSetup) << "the adjust-mode entry goes first";
        EXPECT_FALSE(manager_.AdjustMode());
        EXPECT_EQ(outcomes_,
                  std::vector<Outcome>{c.written ? Outcome::kWritten : Outcome::kRefused});
    }
    // Adjust mode is over: an ordinary write asks again.
    NewCase();
    UseModel(model_type::kLk1);
    prompter_.answers = {PromptAnswer::Cancel};
    AttachRadio(Radio(model_type::kLk1), RadioImage(model_type::kLk1));
    Run(&CloneCommands::CloneWrite);
    EXPECT_EQ(Shown(), std::vector<std::string>{kConfirmWrite});
}

TEST_F(CloneCommandsTest, InformationGoesToTheWindowOrToTheHiddenProgram) {
    struct Case {
        bool visible;
        bool radio;
        int shown;
        int hiddenMessages;
        Outcome outcome;
    };
    const Case cases[] = {{true, true, 1, 0, Outcome::kInformation},
                          {false, true, 0, 1, Outcome::kInformation},
                          {true, false, 0, 0, Outcome::kFailed},
                          {false, false, 0, 0, Outcome::kFailed}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.visible) + std::to_string(c.radio));
        view_.visible = c.visible;
        view_.cloneInformationShown = 0;
        NewCase();
        if (c.radio) {
            sim::RadioSetup setup = Radio(model_type::kLk1);
            setup.flagsC = 0x21;
            AttachRadio(setup, RadioImage(model_type::kLk1));
        }
        settings_.CapabilityC = 0;

        Run(&CloneCommands::CloneInformation);

        EXPECT_EQ(view_.cloneInformationShown, c.shown);
        EXPECT_EQ(Count(message::kCloneInformationHidden), c.hiddenMessages);
        EXPECT_EQ(settings_.CapabilityC, c.radio ? 0x21 : 0);
        EXPECT_EQ(outcomes_, std::vector<Outcome>{c.outcome});
    }
    EXPECT_EQ(host_.replaced, 1) << "only the window that opened closes the sheet";
}

TEST_F(CloneCommandsTest, ACommandDuringATransferDoesNothing) {
    AttachRadio(Radio(model_type::kLk1), RadioImage(model_type::kLk1));
    commands_->CloneInformation();
    ASSERT_TRUE(manager_.IsBusy());
    for (Command command : {&CloneCommands::CloneRead, &CloneCommands::CloneWrite,
                            &CloneCommands::CloneInformation, &CloneCommands::GoAdjustMode}) {
        (commands_.get()->*command)();
    }
    EXPECT_FALSE(manager_.AdjustMode());
    Run(&CloneCommands::CloneInformation);
    EXPECT_EQ(outcomes_, std::vector<Outcome>{Outcome::kInformation});
    EXPECT_EQ(RequestsSent(), Requests{kInfo});
}

}  // namespace
}  // namespace orvane
