// The main controller on the real texts and data model: start-up, the model change, the
// tree per model and mode, the sheets it opens and remembers, the status bar, the tick
// and the warning re-check, help contexts and the window's enabling during transfers.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/app_messages.h"
#include "app/help_context.h"
#include "app/radio_capabilities.h"
#include "clone/clone_messages.h"
#include "controller_fixture.h"
#include "image/default_images.h"
#include "image/model_type.h"
#include "radio/bank_table.h"
#include "radio/cell_ids.h"
#include "radio/radio_messages.h"
#include "sheet/sheet_messages.h"
#include "simulated_radio.h"

namespace orvane {
namespace {

using testing::ControllerFixture;

constexpr const char* kBankOperation = "GI_Sheet_BankOp";
constexpr const char* kSingleList = "[St_S_ColCut]GI_Sheet_MemoryCH_S,0";
constexpr const char* kWxSheet = "GI_Sheet_WxCH";
constexpr const char* kExpertSheet = "[St_Common]GI_Sheet_Expert,2";
constexpr const char* kHomeSheet = "[St_Common]GI_Sheet_Home,1";

std::string BankCall(int bank) {
    return "[St_ColCut]GI_Sheet_MemoryCH,Bank " + std::to_string(bank);
}

class MainControllerTest : public ControllerFixture {
protected:
    bool HasNode(const std::string& call) {
        return controller->Tree()->FindNodeByLinkText(call) != nullptr;
    }
    std::string TopCaption() { return controller->Tree()->TopNodes().front()->text; }
};

class ExpertControllerTest : public ControllerFixture {
protected:
    ExpertControllerTest() : ControllerFixture({"orvane", "/PROLIX"}) {}
};

TEST_F(MainControllerTest, AStoredModelTheMenusDoNotOfferStartsAsTheHtLk1) {
    settings.Radio.modelType = 7;
    Start();
    EXPECT_EQ(controller->ModelType(), model_type::kLk1);
    EXPECT_EQ(TopCaption(), "HT-Lk1");
    EXPECT_FALSE(controller->CurrentDocument().Modified());
    EXPECT_EQ(view.titles.back(), "Untitled - Orvane");
    EXPECT_EQ(view.shownTree, controller->Tree());
    EXPECT_TRUE(controller->ModePanelText().empty());
}

TEST_F(MainControllerTest, TheTreeFollowsTheModel) {
    struct Case {
        int model;
        const char* caption;
        bool banks, singleList, wx;
    };
    const Case cases[] = {
        {model_type::kLk1, "HT-Lk1", true, false, true},
        {model_type::kLk2, "HT-Lk2", true, false, false},
        {model_type::kLk1S, "HT-Lk1S/Lk2S", false, true, false},
    };
    Start();
    for (const Case& c : cases) {
        controller->ChangeModel(c.model, false);
        bus.Pump();
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(TopCaption(), c.caption);
        EXPECT_EQ(HasNode(kBankOperation), c.banks);
        EXPECT_EQ(HasNode(BankCall(9)), c.banks);
        EXPECT_EQ(HasNode(kSingleList), c.singleList);
        EXPECT_EQ(HasNode(kWxSheet), c.wx);
        EXPECT_TRUE(HasNode(kHomeSheet));
        EXPECT_FALSE(HasNode(kExpertSheet));
    }
}

TEST_F(ExpertControllerTest, ExpertModeKeepsTheExpertSheetAndShowsItsPanel) {
    Start();
    EXPECT_TRUE(controller->ExpertMode());
    EXPECT_EQ(controller->ModePanelText(), "[ EXPERT ]");
    EXPECT_NE(controller->Tree()->FindNodeByLinkText(kExpertSheet), nullptr);
}

// Outside expert mode the options follow the connected radio: an undo leaves them.
TEST_F(MainControllerTest, AnUndoLeavesTheOptionsTheRadioSet) {
    Start();
    EepromImage changed = controller->CurrentDocument().Current();
    changed.SetByte(0x0100, 0x5A);
    controller->ReplaceImage(changed, "Import Channels");
    settings.Radio.duplexEnabled = !settings.Radio.duplexEnabled;
    const RadioConfiguration fromRadio = settings.Radio;
    controller->ImageReplaced(ImageChange::kRefit);
    controller->Undo();
    EXPECT_EQ(settings.Radio, fromRadio);
}

TEST_F(MainControllerTest, TheModelChangeAsksAndKeepsTheData) {
    Start();
    EepromImage& image = controller->CurrentDocument().Current();
    image.SetByte(0x0100, 0x5A);

    controller->ChangeModel(model_type::kLk1, true);  // the selected one: nothing to ask
    EXPECT_TRUE(prompter.shown.empty());

    prompter.answers = {PromptAnswer::Cancel};
    controller->ChangeModel(model_type::kLk2, true);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Change model.");
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Warning);
    EXPECT_EQ(controller->ModelType(), model_type::kLk1);

    controller->ChangeModel(model_type::kLk2, true);
    EXPECT_EQ(controller->ModelType(), model_type::kLk2);
    EXPECT_EQ(TopCaption(), "HT-Lk2");
    EXPECT_EQ(image.GetByte(0x0100), 0x5A);
    // The template follows the model: its type byte names it.
    EXPECT_EQ(controller->CurrentDocument().Template().GetByte(kModelTypeAddress),
              model_type::kLk2);
}

TEST_F(MainControllerTest, TheTickOpensTheSelectedSheetOnlyInAVisibleWindow) {
    view.visible = false;
    Start();
    Run(100);
    EXPECT_EQ(controller->OpenedSheet(), nullptr);

    view.visible = true;
    Run(60);
    ASSERT_NE(controller->OpenedSheet(), nullptr);
    EXPECT_EQ(view.shownSheet, controller->OpenedSheet());
    EXPECT_EQ(controller->OpenSheetCall(),
              controller->Tree()->SelectedNode()->cell.LinkText());

    // Selecting another node opens its sheet at once.
    controller->Tree()->Select(controller->Tree()->FindNodeByLinkText(kHomeSheet));
    controller->TreeSelectionChanged();
    EXPECT_EQ(controller->OpenSheetCall(), kHomeSheet);
}

TEST_F(MainControllerTest, ASheetOpensAgainWhereItWasLeftAndFocusReturnsWhereItWas) {
    Start();
    controller->OpenSheet(BankCall(0));
    controller->OpenedSheet()->RememberedPosition() = {4, 7, 5, 5};
    view.focus = ViewFocus::kGrid;
    controller->OpenSheet(kHomeSheet);
    EXPECT_EQ(view.focus, ViewFocus::kGrid);

    controller->OpenSheet(BankCall(0));
    const SheetPosition& restored = controller->OpenedSheet()->RememberedPosition();
    EXPECT_EQ(restored.column, 4);
    EXPECT_EQ(restored.row, 7);
    EXPECT_EQ(restored.leftColumn, 5);
    EXPECT_EQ(restored.topRow, 5);

    // A font change closes the sheet; the tick reopens the tree's sheet at the new size.
    controller->Tree()->Select(controller->Tree()->FindNodeByLinkText(BankCall(0)));
    controller->ChangeFontSize(150);
    EXPECT_EQ(controller->OpenedSheet(), nullptr);
    Run(50);
    ASSERT_NE(controller->OpenedSheet(), nullptr);
    EXPECT_EQ(controller->OpenedSheet()->Options().fontPercent, 150);
    EXPECT_EQ(controller->OpenedSheet()->RememberedPosition().row, 7);
}

TEST_F(MainControllerTest, TwoQuickEditsCauseOneRecheckAfterTheSecond) {
    Start();
    TreeNode* bankOperation = controller->Tree()->FindNodeByLinkText(kBankOperation);
    ASSERT_NE(bankOperation, nullptr);
    ASSERT_EQ(bankOperation->overlay, TreeNode::kNoOverlay);

    controller->ArmWarningRecheck();
    Run(100);
    // A bank with channels after an empty one is an error the next check marks.
    BankTable banks(controller->CurrentDocument().Current());
    banks.SetBankCapacity(3, 0);
    controller->ArmWarningRecheck();
    Run(200);
    EXPECT_EQ(bankOperation->overlay, TreeNode::kNoOverlay);
    Run(60);
    EXPECT_EQ(bankOperation->overlay, SheetTree::kErrorOverlay);
}

TEST_F(MainControllerTest, TheStatusMessageAndTheWindowStateFollowTheBus) {
    Start();
    bus.PostText(message::kStatusText, 0x0000FF, 0x00FFFF, "Out of range", true);
    EXPECT_EQ(controller->Status().text, "Out of range");
    EXPECT_EQ(controller->Status().textColour, 0x0000FFu);
    EXPECT_EQ(controller->Status().background, 0x00FFFFu);
    EXPECT_EQ(view.statusRefreshes, 1);

    bus.Post(message::kCloneInformationStarting, 0, 0, true);
    EXPECT_FALSE(view.enabled);
    EXPECT_FALSE(controller->QueryClose()) << "no closing while a transfer runs";
    bus.Post(message::kCloneOperationFinished, 1, 0, true);
    EXPECT_TRUE(view.enabled);
    EXPECT_TRUE(controller->QueryClose());

    view.visible = false;
    bus.Post(message::kCloneInformationStarting, 0, 0, true);
    EXPECT_TRUE(view.enabled) << "a hidden window is left alone";
}

TEST_F(MainControllerTest, TheWindowStaysHeldFromTheInformationExchangeToTheEndOfARead) {
    Start();
    EepromImage radioImage;
    radioImage.Resize(kImageCapacity);
    PrepareDefaultImage(radioImage, model_type::kLk1);
    sim::RadioSetup setup;
    setup.modelType = model_type::kLk1;
    setup.flagsA = sim::DefaultFlagsA(model_type::kLk1);
    AttachRadio(setup, radioImage);
    prompter.answers = {PromptAnswer::Yes};

    controller->CloneRead();
    // The end of the information exchange reaches the bus only after the read has begun.
    bool freedBeforeTheEnd = false;
    for (int ms = 0; ms < 60'000 && !controller->CurrentDocument().Modified(); ms += 10) {
        Run(10);
        freedBeforeTheEnd |= view.enabled && !controller->CurrentDocument().Modified();
    }
    ASSERT_TRUE(controller->CurrentDocument().Modified()) << "the read ended";
    EXPECT_FALSE(freedBeforeTheEnd);
    Run(10);
    EXPECT_TRUE(view.enabled);
}

TEST_F(MainControllerTest, BankRequestsChangeTheBankAndTellTheBankSheet) {
    Start();
    BankTable banks(controller->CurrentDocument().Current());
    banks.SetBankCapacity(9, 0);  // room for one more channel
    const int before = banks.BankCapacity(0);
    bus.Post(message::kChannelInsertedInBank, 0, 0, true);
    EXPECT_EQ(banks.BankCapacity(0), before + 1);
    bus.Post(message::kChannelDeletedInBank, 0, 0, true);
    EXPECT_EQ(banks.BankCapacity(0), before);
}

TEST_F(MainControllerTest, HelpFindsTheCellsTopic) {
    Start();
    SheetCell bankName;
    bankName.link.cellId = cell::kBankName;
    SheetCell comment;
    comment.link.cellId = cell::kCommonCOMMENT;
    SheetCell noTopic;
    noTopic.link.cellId = cell::kMenuFileNew;
    EXPECT_EQ(controller->HelpContextOf(bankName), 1);
    EXPECT_EQ(controller->HelpContextOf(comment), 54);
    EXPECT_EQ(controller->HelpContextOf(noTopic), 0);
    EXPECT_EQ(HelpTopicName(54, helpTexts), "IDH1054");
    EXPECT_EQ(HelpTopicName(55, helpTexts), "");
    EXPECT_EQ(HelpTopicName(0, helpTexts), "");

    controller->ShowCellHelp(bankName);
    controller->ShowCellHelp(noTopic);
    controller->ShowHelpContents();
    // F1 opens the cell's topic, or the contents where the cell has none.
    controller->ShowKeyHelp(comment);
    controller->ShowKeyHelp(noTopic);
    EXPECT_EQ(view.helpShown,
              (std::vector<std::string>{"topic 1", "topic 0", "contents", "topic 54", "contents"}));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(MainControllerTest, HelpResultsShowTheirMessages) {
    Start();
    SheetCell bankName;
    bankName.link.cellId = cell::kBankName;
    const struct {
        HelpResult result;
        std::string text;  // empty: no message
        PromptIcon icon;
    } cases[] = {
        {HelpResult::kShown, "", PromptIcon::Error},
        {HelpResult::kFileMissing, "Cannot find the /opt/o/orvane.qch file.", PromptIcon::Error},
        {HelpResult::kNoTopic, "No Help topic is associated with this item.", PromptIcon::Warning},
        {HelpResult::kNoEngine, "", PromptIcon::Error},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.result));
        prompter.shown.clear();
        view.helpOutcome = {c.result, "/opt/o/orvane.qch"};
        controller->ShowCellHelp(bankName);
        controller->ShowHelpContents();
        if (c.text.empty()) {
            EXPECT_TRUE(prompter.shown.empty());
            continue;
        }
        ASSERT_EQ(prompter.shown.size(), 2u);
        for (const Prompt& prompt : prompter.shown) {
            EXPECT_EQ(prompt.caption, "Orvane");
            EXPECT_EQ(prompt.text, c.text);
            EXPECT_EQ(prompt.icon, c.icon);
        }
    }
}

TEST_F(MainControllerTest, MenuSettingsAndTheComPortDialog) {
    Start();
    controller->SetComPort(3);
    EXPECT_EQ(controller->ComPort(), 3);
    view.comPortChoices = {std::nullopt, 12};
    controller->ComPortDialog();
    EXPECT_EQ(controller->ComPort(), 3);
    controller->ComPortDialog();
    EXPECT_EQ(controller->ComPort(), 12);
    EXPECT_EQ(view.comPortShown, (std::vector<int>{3, 3}));

    const bool toolbar = controller->ToolbarVisible();
    controller->ToggleToolbar();
    EXPECT_NE(controller->ToolbarVisible(), toolbar);
    EXPECT_EQ(view.toolbarRefreshes, 1);

    EXPECT_TRUE(controller->IsUntitled());
    EXPECT_TRUE(controller->CurrentFilePath().ends_with("/Untitled"));
}

TEST_F(MainControllerTest, PrintAllHandsOverEverySheetOfTheTree) {
    Start();
    controller->OpenSheet(kHomeSheet);
    ASSERT_TRUE(controller->CanPrintCurrent());
    controller->PrintAll(PrintTarget::kPrinter);
    EXPECT_NE(std::find(printer.printed.begin(), printer.printed.end(), BankCall(9)),
              printer.printed.end());
    EXPECT_NE(std::find(printer.printed.begin(), printer.printed.end(), kHomeSheet),
              printer.printed.end());
}

TEST_F(MainControllerTest, WithoutAPrinterThePrintCommandsSayPrintingIsMissing) {
    givenPrinter = nullptr;
    Start();
    const std::string text = "Printing is not available in this version.";
    prompter.whenShown = [&](const Prompt& shown) {
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(controller->Status().text, " " + text);
    };
    controller->PrintCurrent(PrintTarget::kPrinter);
    controller->PrintAll(PrintTarget::kPdfFile);
    EXPECT_EQ(prompter.shown.size(), 2u);
}

// Capability bits as the radio reports them and the options they set, with and without
// expert mode (which keeps the options the image carries).
TEST(RadioCapabilitiesTest, TheRadioFlagsSetTheOptions) {
    struct Case {
        std::uint8_t flagsA, flagsB, byteC;
        bool expert;
        bool duplex, names, vfo, a1, totOff, stepChoice;
        int step;
    };
    const Case cases[] = {
        {0x14, 0x00, 0, false, true, false, false, false, false, false, 0},
        {0x15, 0x00, 0, false, false, false, false, false, false, false, 0},  // export: no duplex
        {0x10, 0x00, 0, false, false, false, false, false, false, false, 0},  // no VOR: no duplex
        {0x62, 0x0B, 7, false, false, true, true, true, true, true, 2},
        {0x62, 0x0B, 7, true, true, true, true, true, true, true, 0},  // expert keeps the four
    };
    testing::MemorySettingsStore store;
    testing::FakeInstanceLock lock;
    for (const Case& c : cases) {
        AppSettings settings(store, lock, ScreenSize{1024, 768}, {"orvane"});
        settings.Radio.duplexEnabled = true;
        settings.Radio.nameDisplay = true;
        settings.Radio.vfoEnabled = true;
        settings.Radio.channelSpacing = 0;
        std::array<std::uint8_t, RadioIdentity::kSize> bytes{};
        bytes[16] = c.flagsA;
        bytes[17] = c.flagsB;
        bytes[18] = c.byteC;
        ApplyRadioCapabilities(RadioIdentity(bytes), settings, c.expert);
        SCOPED_TRACE(::testing::Message() << "flags " << int{c.flagsA} << "/" << int{c.flagsB}
                                        << (c.expert ? " expert" : ""));
        EXPECT_EQ(settings.Radio.duplexEnabled, c.duplex);
        EXPECT_EQ(settings.Radio.nameDisplay, c.names);
        EXPECT_EQ(settings.Radio.vfoEnabled, c.vfo);
        EXPECT_EQ(settings.Radio.channelSpacing, c.step);
        EXPECT_EQ(settings.Radio.rx137Allowed, c.a1);
        EXPECT_EQ(settings.Radio.totOffAllowed, c.totOff);
        EXPECT_EQ(settings.Radio.spacing833Allowed, c.stepChoice);
        EXPECT_EQ(settings.CapabilityC, c.byteC);
    }
}

}  // namespace
}  // namespace orvane
