// The clone commands of the real main controller, in-process, on a real pseudo-terminal
// against orvane-radio-sim as a separate process, with real files in a scratch directory:
// what each read and write leads to in the document and in the radio, which boxes the
// user sees, and that every fault the radio injects leaves the document as it was. The
// simulator checks every frame; each case ends by asking it whether the program kept to
// the protocol.

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "cli/controller_session.h"
#include "clone/clone_messages.h"
#include "clone_data_file.h"
#include "image/default_images.h"
#include "image/extension_block.h"
#include "image/image_layout.h"
#include "image/model_type.h"
#include "image/scratch_directory.h"
#include "radio/channel_store.h"
#include "radio/memory_channel.h"
#include "radio/memory_map.h"
#include "radio/setting_addresses.h"
#include "radio_protocol.h"
#include "simulator_process.h"
#include "support/clone_box_texts.h"
#include "support/protocol_check.h"
#include "support/scripted_prompter.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;
using Memory = std::vector<std::uint8_t>;

constexpr const char* kReadQuestion = "Reads the transceiver's current setting data";
constexpr const char* kDataError = testing::kDataErrorText;
constexpr const char* kModelError = testing::kModelErrorText;
constexpr const char* kDataWarning = testing::kDataWarningText;
constexpr const char* kSucceeded = testing::kWriteSucceededText;

constexpr std::int32_t kBankCapacities = 0xE60;
// Written only by the expert lists: an expert setting and the opening text.
constexpr std::int32_t kExpertSetting = 0xD70;
constexpr std::int32_t kOpeningText = setting_address::kOpeningText + 1;

QCoreApplication& Application() {
    static int argc = 1;
    static char name[] = "controller_clone_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    return application;
}

// Counts the information requests the clone manager starts.
class InformationCounter final : public BusSubscriber {
public:
    explicit InformationCounter(MessageBus& bus) : bus_(bus) { bus_.Subscribe(this); }
    ~InformationCounter() override { bus_.Unsubscribe(this); }
    InformationCounter(const InformationCounter&) = delete;
    InformationCounter& operator=(const InformationCounter&) = delete;

    void OnBusMessage(const BusMessage& message) override {
        count += message.kind == message::kCloneInformationStarting ? 1 : 0;
    }

    int count = 0;

private:
    MessageBus& bus_;
};

// A model's factory data, marked as made for it as a saved file is.
Memory FactoryMemory(int modelType) {
    EepromImage image;
    image.Resize(kImageCapacity);
    PrepareDefaultImage(image, modelType);
    image.SetByte(kModelTypeAddress, static_cast<std::uint8_t>(modelType));
    return Memory(image.Bytes().begin(), image.Bytes().end());
}

// A used memory channel the radio cannot receive: a warning, never an error.
void AddUnreceivableChannel(Memory& memory) {
    EepromImage image;
    image.Resize(kImageCapacity);
    image.WriteBlock(0, memory);
    ChannelStore channels(image, model_type::kLk1);
    MemoryChannel channel = channels.Load(MemoryChannel::kMemory, 2);
    channel.used = true;
    channel.rxHz = channel.txHz = 150'000'000;
    channels.Store(channel);
    memory.assign(image.Bytes().begin(), image.Bytes().end());
}

// Bank 3 empty between banks that hold channels: the bank operation sheet is in error.
void EmptyBankBetweenUsedOnes(Memory& memory) { memory[kBankCapacities + 3] = 0; }

void SetComment(Memory& memory, const std::string& comment) {
    for (std::int32_t i = 0; i < kCommentLength; ++i) {
        memory[kCommentAddress + i] = static_cast<std::uint8_t>(
            i < static_cast<std::int32_t>(comment.size()) ? comment[i] : ' ');
    }
}

std::string CommentOf(const Memory& memory) {
    return std::string(memory.begin() + kCommentAddress,
                       memory.begin() + kCommentAddress + kCommentLength);
}

// The clone commands as the session runs them.
void Read(MainController& controller) { controller.CloneRead(); }
void Write(MainController& controller) { controller.CloneWrite(); }
void AdjustModeWrite(MainController& controller) { controller.GoAdjustMode(); }

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

class ControllerCloneTest : public ::testing::Test {
protected:
    ControllerCloneTest() {
        Application();
        // The stored settings are looked up here: an empty record, and none of the user's.
        setenv("HOME", directory_.Path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", directory_.File("config").c_str(), 1);
    }
    ~ControllerCloneTest() override {
        EXPECT_FALSE(fs::exists(directory_.File("config"))) << "the settings were written";
    }

    // A controller on the simulator's device. Normal speed: the simulator does not pace
    // the line, so the speed change would only add its own exchange.
    std::unique_ptr<cli::ControllerSession> Session(const SimulatorProcess& sim,
                                                    std::vector<std::string> arguments = {}) {
        prompter_.shown.clear();
        prompter_.answers.clear();
        cli::SessionOptions options(prompter_);
        options.port = cli::PortChoice{1, sim.DevicePath()};
        options.arguments = std::move(arguments);
        return std::make_unique<cli::ControllerSession>(options);
    }

    // Stored with the simulator's own writer, so that the program's file code is tested
    // by reading it.
    std::string SaveFile(const std::string& name, int modelType, const Memory& memory) const {
        const std::string path = directory_.File(name);
        EXPECT_EQ(sim::WriteCloneDataFile(path, sim::ModelVersionOf(modelType), memory), "");
        return path;
    }

    static Memory LoadFile(const std::string& path) {
        Memory memory(kCloneAreaSize);
        EXPECT_EQ(sim::ReadCloneDataFile(path, memory), "") << path;
        return memory;
    }

    // Opens the file in the controller as the Open command does.
    static void Open(cli::ControllerSession& session, const std::string& path) {
        ASSERT_TRUE(session.Controller().Files().OpenFile(path)) << path;
        session.Settle();
    }

    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const Prompt& prompt : prompter_.shown) {
            texts.push_back(prompt.text);
        }
        return texts;
    }

    ScratchDirectory directory_;
    ScriptedPrompter prompter_;
};

TEST_F(ControllerCloneTest, AReadTakesTheSettingsInUseOrWithNoTheHomeSettings) {
    // Settings no fitting touches, each with its place in the radio's home-setting block
    // and the value the radio holds in either.
    struct Setting {
        std::int32_t inUse;
        std::int32_t home;
        std::uint8_t inUseValue;
        std::uint8_t homeValue;
    };
    const Setting settings[] = {
        {setting_address::kSqlLevel, 3536, 3, 7},
        {setting_address::kSideLevel, 3537, 2, 5},
        {memory_map::kHomeBlock + memory_map::kHomeBlockSize - 1, 3519, 0x11, 0x5B},
    };
    Memory radio = FactoryMemory(model_type::kLk2);
    for (const Setting& setting : settings) {
        radio[setting.inUse] = setting.inUseValue;
        radio[setting.home] = setting.homeValue;
    }
    SetComment(radio, "E2E READ");
    const std::string served = SaveFile("radio.zcf", model_type::kLk2, radio);
    const std::string opened =
        SaveFile("club.zcf", model_type::kLk1, FactoryMemory(model_type::kLk1));

    for (PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No}) {
        const bool home = answer == PromptAnswer::No;
        SCOPED_TRACE(home ? "No: the home settings" : "Yes: the settings in use");
        SimulatorProcess sim({"--model-type", "0", "--read-file", served});
        ProtocolCheck check(sim);
        auto session = Session(sim);
        Open(*session, opened);
        MainController& controller = session->Controller();
        ASSERT_EQ(controller.ModelType(), model_type::kLk1);
        prompter_.answers = {answer};

        EXPECT_EQ(session->RunClone(Read), CloneOutcome::kRead);

        ASSERT_EQ(prompter_.shown.size(), 1u) << "only the question";
        EXPECT_EQ(prompter_.shown[0].text.rfind(kReadQuestion, 0), 0u);
        EXPECT_EQ(prompter_.shown[0].buttons, PromptButtons::YesNoCancel);
        const Document& document = controller.CurrentDocument();
        EXPECT_EQ(controller.ModelType(), model_type::kLk2) << "the model follows the radio";
        EXPECT_TRUE(document.IsUntitled());
        EXPECT_TRUE(document.Modified());
        EXPECT_EQ(controller.Title(), "Untitled - Orvane");
        const EepromImage& image = document.Current();
        for (const Setting& setting : settings) {
            EXPECT_EQ(image.GetByte(setting.inUse), home ? setting.homeValue : setting.inUseValue)
                << "address " << setting.inUse;
        }
        EXPECT_EQ(CommentOf(Memory(image.Bytes().begin(), image.Bytes().end())), CommentOf(radio));
    }
}

TEST_F(ControllerCloneTest, AWriteStopsForErrorsAndForAnotherModelAndAsksOnceForWarnings) {
    struct Case {
        const char* name;
        int radioModel;
        void (*edit)(Memory&);
        std::vector<std::string> shown;
        CloneOutcome outcome;
        int informationRequests;
    };
    const Case cases[] = {
        {"errors",
         model_type::kLk1,
         EmptyBankBetweenUsedOnes,
         {kDataError},
         CloneOutcome::kRefused,
         1},
        {"another model, with warnings",
         model_type::kLk2,
         AddUnreceivableChannel,
         {kModelError},
         CloneOutcome::kRefused,
         1},
        // After OK the radio is asked again and written without the confirmation box.
        {"warnings",
         model_type::kLk1,
         AddUnreceivableChannel,
         {kDataWarning, kSucceeded},
         CloneOutcome::kWritten,
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Memory data = FactoryMemory(model_type::kLk1);
        c.edit(data);
        SetComment(data, "E2E WRITE");
        const std::string opened = SaveFile(std::string(c.name) + ".zcf", model_type::kLk1, data);
        const std::string written = directory_.File(std::string("radio-") + c.name + ".zcf");
        SimulatorProcess sim(
            {"--model-type", std::to_string(c.radioModel), "--write-file", written});
        ProtocolCheck check(sim);
        auto session = Session(sim);
        Open(*session, opened);
        const Document& document = session->Controller().CurrentDocument();
        const EepromImage before = document.Current();
        InformationCounter information(session->Bus());

        EXPECT_EQ(session->RunClone(Write), c.outcome);
        session->Settle();

        ASSERT_EQ(Shown(), c.shown);
        EXPECT_EQ(prompter_.shown.front().icon,
                  c.outcome == CloneOutcome::kWritten ? PromptIcon::Warning : PromptIcon::Error);
        EXPECT_EQ(information.count, c.informationRequests);
        EXPECT_TRUE(document.Current().Equals(before));
        EXPECT_EQ(document.FileName(), opened);
        EXPECT_FALSE(document.Modified());
        ASSERT_EQ(fs::exists(written), c.outcome == CloneOutcome::kWritten);
        if (fs::exists(written)) {
            const Memory stored = LoadFile(written);
            EXPECT_EQ(CommentOf(stored), CommentOf(data));
        }
    }
}

TEST_F(ControllerCloneTest, TheRadioVersionAndExpertModeChooseWhatIsWritten) {
    struct Case {
        const char* version;
        const char* firmware;
        bool expert;
        bool extended;  // the 544-byte extension block goes along
    };
    const Case cases[] = {
        {"0.99", "3.01", false, true},
        {"1.00", "3.01", false, false},
        {"0.99", "3.02", true, false},
        {"0.99", "3.01", true, true},
    };
    Memory data = FactoryMemory(model_type::kLk1);
    data[kExpertSetting] = 0x33;
    data[kOpeningText] = 'Q';
    const std::string opened = SaveFile("expert.zcf", model_type::kLk1, data);
    Memory radio = FactoryMemory(model_type::kLk1);
    radio[kExpertSetting] = 0x11;
    radio[kOpeningText] = 'R';
    const std::string served = SaveFile("radio.zcf", model_type::kLk1, radio);

    for (const Case& c : cases) {
        const std::string name =
            std::string(c.version) + "-" + c.firmware + (c.expert ? "-expert" : "");
        SCOPED_TRACE(name);
        const std::string written = directory_.File(name + ".zcf");
        const std::string extension = directory_.File(name + ".bin");
        SimulatorProcess sim({"--version", c.version, "--firmware", c.firmware, "--read-file",
                              served, "--write-file", written, "--extension-file", extension});
        ProtocolCheck check(sim);
        auto session = Session(
            sim, c.expert ? std::vector<std::string>{"/prolix"} : std::vector<std::string>{});
        ASSERT_EQ(session->Controller().ExpertMode(), c.expert);
        Open(*session, opened);

        ASSERT_EQ(session->RunClone(Write), CloneOutcome::kWritten);

        const Memory stored = LoadFile(written);
        EXPECT_EQ(stored[kExpertSetting], c.expert ? 0x33 : 0x11);
        EXPECT_EQ(stored[kOpeningText], c.expert ? 'Q' : 'R');
        std::ifstream in(extension, std::ios::binary);
        const Memory block{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        ASSERT_EQ(block.size(), static_cast<std::size_t>(kExtensionSize));
        const Memory untouched(kExtensionSize, 0);
        EXPECT_EQ(block, c.extended ? Memory(ExtensionBlock().begin(), ExtensionBlock().end())
                                    : untouched);
    }
}

TEST_F(ControllerCloneTest, AdjustModeWritesUnaskedAndTheRadioTakesTheEntry) {
    // In adjust mode the radio reports the full model of its family and version 8, which
    // only an accepted adjust-mode entry brings about.
    constexpr int kFullFamilyFlags = 0x7F;
    Memory data = FactoryMemory(model_type::kLk1S);
    SetComment(data, "E2E ADJUST");
    const std::string opened = SaveFile("lk1s.zcf", model_type::kLk1S, data);
    const std::string written = directory_.File("adjusted.zcf");
    SimulatorProcess sim({"--model-type", "4", "--flags-a", std::to_string(kFullFamilyFlags),
                          "--write-file", written});
    ProtocolCheck check(sim);
    auto session = Session(sim);
    Open(*session, opened);
    ASSERT_EQ(session->Controller().ModelType(), model_type::kLk1S);

    EXPECT_EQ(session->RunClone(AdjustModeWrite), CloneOutcome::kWritten);

    EXPECT_EQ(Shown(), std::vector<std::string>{}) << "no confirmation and no success box";
    ASSERT_TRUE(fs::exists(written));
    const Memory stored = LoadFile(written);
    EXPECT_EQ(CommentOf(stored), CommentOf(data));
}

TEST_F(ControllerCloneTest, EveryFaultLeavesTheDocumentAsItWas) {
    using Command = void (*)(MainController&);
    struct Case {
        std::vector<std::string> faults;
        Command command;
        std::vector<std::string> messages;  // the first line of the last box, one of these
    };
    const Case cases[] = {
        {{"--no-answer"}, Read, {"No answer from transceiver."}},
        {{"--bad-checksum"}, Read, {"Illegal data."}},
        {{"--hang-up", "20"}, Read, {"No answer from transceiver."}},
        {{"--no-answer"}, Write, {"No answer from transceiver."}},
        {{"--wrong-ack"}, Write, {"Cannot write cloning data."}},
        // The echo that stops or the driver refusing the next bytes, whichever comes first.
        {{"--hang-up", "30"}, Write, {"Cannot access COM port.", "Cannot Clone."}},
    };
    const std::string opened =
        SaveFile("club.zcf", model_type::kLk1, FactoryMemory(model_type::kLk1));
    for (const Case& c : cases) {
        const bool read = c.command == &Read;
        SCOPED_TRACE((read ? "read " : "write ") + c.faults.front());
        const std::string written = directory_.File("never.zcf");
        std::vector<std::string> options = c.faults;
        options.insert(options.end(), {"--write-file", written});
        SimulatorProcess sim(options);
        ProtocolCheck check(sim);
        auto session = Session(sim);
        Open(*session, opened);
        Document& document = session->Controller().CurrentDocument();
        document.Current().SetByte(kCommentAddress, 'X');
        ASSERT_TRUE(document.NoteChanges());
        const EepromImage before = document.Current();
        // A read first asks whether to save the changes: no; then reads the settings in use.
        prompter_.answers = read ? std::deque<PromptAnswer>{PromptAnswer::No, PromptAnswer::Yes}
                                 : std::deque<PromptAnswer>{PromptAnswer::Ok};

        EXPECT_EQ(session->RunClone(c.command), CloneOutcome::kFailed);

        EXPECT_TRUE(document.Current().Equals(before));
        EXPECT_EQ(document.FileName(), opened);
        EXPECT_TRUE(document.Modified());
        ASSERT_FALSE(prompter_.shown.empty());
        const std::string message = FirstLine(prompter_.shown.back().text);
        EXPECT_NE(std::find(c.messages.begin(), c.messages.end(), message), c.messages.end())
            << message;
        EXPECT_FALSE(fs::exists(written));
    }
}

}  // namespace
}  // namespace orvane::testing
