// The channel cells of the memory channel sheets driven by requests as a sheet sends
// them: redirects on blank and beyond rows, new channels, edits, colours and marks.

#include <gtest/gtest.h>

#include "radio/entry_keys.h"
#include "radio/notify_flags.h"
#include "radio_fixture.h"

namespace orvane {
namespace {

using testing::RadioFixture;

class ChannelCellsTest : public RadioFixture {
protected:
    ChannelCellsTest() {
        SetCapacities({5, 0, 3, 0, 0, 0, 0, 0, 0, 0});
        BlankAll();
        PutChannel(0, 121'500'000, 121'500'000);
        PutChannel(1, 110'000'000, 119'000'000);
        OpenBank(0);
    }
};

struct RedirectCase {
    int model;
    bool duplexEnabled;
    CellId cell;
    int index;
    std::int32_t key;
    bool redirected;
    CellId target;
};

TEST_F(ChannelCellsTest, BlankAndBeyondRowsSendKeysToTheFrequencyCell) {
    const RedirectCase cases[] = {
        // Position 2 is blank, position 5 is past bank 0's end.
        {3, true, cell::kMchName, 2, 'A', true, cell::kMchFreq},
        {3, false, cell::kMchName, 2, 'A', true, cell::kMchFreqRT},
        {0, true, cell::kMchName, 2, 'A', true, cell::kMchFreqRT},
        {3, true, cell::kMchName, 2, 0, true, cell::kMchFreq},
        {3, true, cell::kMchTag, 2, key::kBeginEdit, true, cell::kMchFreq},
        {3, true, cell::kMchName, 2, 9472, false, 0},
        {3, true, cell::kMchFreq, 2, '1', false, 0},
        {3, true, cell::kMchFreqRT, 5, 9472, false, 0},
        {3, true, cell::kMchWxCh, 2, key::kEnter, false, 0},
        {3, true, cell::kMchWxCh, 5, key::kEnter, true, cell::kMchFreq},
        {3, true, cell::kMchTag, 5, 9472, true, cell::kMchFreq},
        {3, true, cell::kMiscChNo8264Only, 5, key::kEnter, false, 0},
        {3, true, cell::kMchName, 0, 'A', false, 0},
        // The transmit cell of a channel outside the navigation band.
        {3, true, cell::kMchFreqT, 0, '1', true, cell::kMchFreq},
        {3, true, cell::kMchFreqT, 0, 0, false, 0},
        {3, true, cell::kMchFreqT, 1, '1', false, 0},
        {3, true, cell::kMchFreqT, 0, 9984, false, 0},
    };
    for (const RedirectCase& c : cases) {
        options.values.modelType = c.model;
        options.values.duplexEnabled = c.duplexEnabled;
        const auto sent = Key(c.cell, c.index, c.key);
        SCOPED_TRACE(::testing::Message()
                     << "cell " << c.cell << " index " << c.index << " key " << c.key);
        EXPECT_EQ(sent->request.moveRequested, c.redirected);
        if (c.redirected) {
            EXPECT_EQ(sent->request.moveTo, (CellLink{category::kConv, c.target, c.index}));
            EXPECT_EQ(sent->request.repeatKey, c.key);
            EXPECT_EQ(sent->request.text, "");
        } else {
            EXPECT_EQ(sent->request.repeatKey, 0);
        }
    }
}

TEST_F(ChannelCellsTest, TextCommittedOnTheTransmitCellFollowsTheReceiveBand) {
    // Channel 0 receives on 121.500 (transmits there too); channel 1 is a navigation
    // channel with a transmit frequency of its own.
    const auto com = Commit(cell::kMchFreqT, 0, "125.000");
    EXPECT_TRUE(com->request.moveRequested);
    EXPECT_EQ(com->request.moveTo, (CellLink{category::kConv, cell::kMchFreq, 0}));
    EXPECT_EQ(com->request.repeatKey, 0);
    EXPECT_EQ(ChannelAt(0).txHz, 121'500'000u) << "no transmit frequency of its own";
    EXPECT_EQ(Draw(cell::kMchFreqT, 0)->request.text, "<-");

    const auto nav = Commit(cell::kMchFreqT, 1, "125.000");
    EXPECT_FALSE(nav->request.moveRequested);
    EXPECT_EQ(ChannelAt(1).txHz, 125'000'000u);
}

TEST_F(ChannelCellsTest, ExportModelTreatsBlankChannelsAsBeyond) {
    UseModel(4, false);
    BlankAll();
    PutChannel(7, 121'500'000, 121'500'000);
    bankSheet.open = false;
    EXPECT_TRUE(Key(cell::kMchTag, 8, key::kSpace)->request.moveRequested);
    EXPECT_EQ(Key(cell::kMchTag, 8, key::kSpace)->request.moveTo.cellId, cell::kMchFreqRT);
    EXPECT_FALSE(Key(cell::kMchTag, 7, key::kSpace)->request.moveRequested);
    EXPECT_EQ(Draw(cell::kMchFreqRT, 7)->request.text, "121.500");
    EXPECT_EQ(Draw(cell::kMiscChNo8264Only, 7)->request.text, "7");
}

TEST_F(ChannelCellsTest, RowNumbersCountWithinTheBankAndNameTheNewRow) {
    OpenBank(2);
    EXPECT_EQ(Draw(cell::kMiscChNo8264Only, 0)->request.text, "2- 0");
    EXPECT_EQ(Draw(cell::kMiscChNo8264Only, 2)->request.text, "2- 2");
    EXPECT_EQ(Draw(cell::kMiscChNo8264Only, 3)->request.text, "New");
    EXPECT_EQ(Draw(cell::kMiscChNo0Base, 4, category::kNone)->request.text, "4");
    EXPECT_EQ(Draw(cell::kMiscChNo1Base, 4, category::kNone)->request.text, "5");
    EXPECT_EQ(Draw(cell::kMiscChNo1Base, 4)->request.text, "")
        << "a blank channel's row shows nothing";
}

TEST_F(ChannelCellsTest, TypingAFrequencyOnTheNewRowGivesTheBankAChannel) {
    PutChannel(5, 130'000'000, 130'000'000);  // bank 2's first channel
    const auto opened = Key(cell::kMchFreqRT, 5, '1');
    EXPECT_EQ(opened->result, CellOpening::kOpenEditor);
    EXPECT_EQ(opened->request.text, "1");
    EXPECT_EQ(banks.BankCapacity(0), 6);
    EXPECT_FALSE(ChannelAt(5).used);
    EXPECT_EQ(ChannelAt(6).rxHz, 130'000'000u) << "bank 2 moved up by one";
    bus.Pump();
    EXPECT_EQ(bankSheet.KindsBesidesStatus(),
              (std::vector<int>{message::kBankSheetAppendRow, message::kBankSheetTitle}));

    OpenBank(0);
    const auto committed = Commit(cell::kMchFreqRT, 5, "124.1");
    EXPECT_EQ(committed->request.text, "124.100");
    const MemoryChannel channel = ChannelAt(5);
    EXPECT_TRUE(channel.used);
    EXPECT_EQ(channel.rxHz, 124'100'000u);
    EXPECT_EQ(channel.txHz, 124'100'000u);
    EXPECT_EQ(banks.BankCapacity(0), 6);
}

TEST_F(ChannelCellsTest, NoNewChannelWhenTheBanksAreFull) {
    SetCapacities({100, 100, 0, 0, 0, 0, 0, 0, 0, 0});
    OpenBank(1);
    const auto sent = Key(cell::kMchFreqRT, 200, key::kEnter);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "The number of channels exceed.\n");
    EXPECT_EQ(prompter.shown[0].caption, texts.FirstLine("GI_Sys_AppTitle"));
    EXPECT_EQ(sent->result, CellOpening::kNothingToOpen);
    EXPECT_EQ(banks.TotalCapacity(), 200);

    SetCapacities({100, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    OpenBank(0);
    Key(cell::kMchFreqRT, 100, '1');
    EXPECT_EQ(prompter.shown.size(), 2u) << "one bank holds at most 100";
    EXPECT_EQ(banks.BankCapacity(0), 100);
}

TEST_F(ChannelCellsTest, AFirstFrequencyMakesABlankChannelAChannelOfTheDefaults) {
    // Position 3 holds a record that was never given a frequency.
    image.SetByte(3 * 16 + 2, 0xFF);
    image.SetByte(3 * 16 + 3, 0xFF);
    const auto sent = Commit(cell::kMchFreq, 3, "110");
    const MemoryChannel channel = ChannelAt(3);
    EXPECT_TRUE(channel.used);
    EXPECT_EQ(channel.rxHz, 110'000'000u);
    EXPECT_EQ(channel.txHz, 118'000'000u);
    EXPECT_EQ(channel.name, "--------") << "the default channel's name";
    EXPECT_TRUE(channel.tag);
    ASSERT_EQ(sent->refreshMasks.size(), 1u);
    EXPECT_EQ(sent->refreshMasks[0], notify::kCell | notify::kSameIndex | notify::kAllLinked);
}

TEST_F(ChannelCellsTest, EveryActionButAPlainReadTellsTheController) {
    Draw(cell::kMchName, 0);
    EXPECT_TRUE(controller.calls.empty());
    Key(cell::kMchName, 0, 'A');
    Commit(cell::kMchName, 0, "x");
    EXPECT_EQ(controller.calls, (std::vector<std::string>{"ArmWarningRecheck", "NoteAction",
                                                          "ArmWarningRecheck", "NoteAction"}));
}

TEST_F(ChannelCellsTest, DrawingNeverRefreshesAndKeysClearTheStatusBar) {
    const auto drawn = Draw(cell::kMchFreq, 0);
    EXPECT_TRUE(drawn->refreshMasks.empty());
    EXPECT_TRUE(bankSheet.received.empty());
    Key(cell::kMchName, 0, 9472);
    ASSERT_FALSE(bankSheet.received.empty());
    EXPECT_EQ(bankSheet.LastStatusText(), "");
}

struct MarkCase {
    int model;
    bool duplexEnabled;
    Hertz rx, tx;
    bool duplex, txInhibit;
    int wx;
    CellId cell;
    bool silver, warning;
};

TEST_F(ChannelCellsTest, DataCellsAreGreyedAndMarkedAsTheChecksSay) {
    const MarkCase cases[] = {
        {3, true, 121'500'000, 121'500'000, false, false, 255, cell::kMchFreq, false, false},
        {3, true, 150'000'000, 150'000'000, false, false, 255, cell::kMchFreq, false, true},
        {3, true, 150'000'000, 150'000'000, false, false, 2, cell::kMchFreq, true, false},
        {0, true, 150'000'000, 150'000'000, false, false, 2, cell::kMchFreqRT, false, true},
        {3, true, 110'000'000, 137'000'000, true, false, 255, cell::kMchFreqT, false, true},
        {3, true, 110'000'000, 119'000'000, true, false, 255, cell::kMchFreqT, false, false},
        {3, true, 110'000'000, 119'000'000, false, false, 255, cell::kMchFreqT, true, false},
        {3, false, 110'000'000, 119'000'000, true, false, 255, cell::kMchFreqT, true, false},
        {3, true, 110'000'000, 137'000'000, true, true, 255, cell::kMchFreqT, true, false},
        {3, true, 121'500'000, 121'500'000, true, false, 255, cell::kMchDup, false, true},
        {3, true, 121'500'000, 121'500'000, true, false, 4, cell::kMchDup, true, false},
        {3, true, 110'000'000, 119'000'000, false, false, 255, cell::kMchTxInhibit, true, false},
        {3, true, 110'000'000, 119'000'000, true, false, 255, cell::kMchTxInhibit, false, false},
        {3, true, 121'500'000, 121'500'000, false, false, 255, cell::kMchTxInhibit, false, false},
    };
    for (const MarkCase& c : cases) {
        options.values.modelType = c.model;
        options.values.duplexEnabled = c.duplexEnabled;
        MemoryChannel channel = PutChannel(0, c.rx, c.tx);
        channel.duplex = c.duplex;
        channel.txInhibit = c.txInhibit;
        channel.wx = c.wx;
        channels.Store(channel);
        const auto sent = Draw(c.cell, 0);
        SCOPED_TRACE(::testing::Message()
                     << "cell " << c.cell << " rx " << c.rx << " tx " << c.tx << " wx " << c.wx);
        EXPECT_EQ(sent->request.textColour == paint::kNotApplicable, c.silver);
        EXPECT_EQ(sent->Warning(), c.warning);
        EXPECT_FALSE(sent->Error());
    }
}

TEST_F(ChannelCellsTest, NoWarningOnTheNewRow) {
    PutChannel(5, 150'000'000, 150'000'000);
    EXPECT_FALSE(Draw(cell::kMchFreq, 5)->Warning());
    EXPECT_EQ(Draw(cell::kMchFreq, 5)->request.text, "");
}

TEST_F(ChannelCellsTest, NamesAreNormalisedAndPackedWithTheirPoints) {
    Commit(cell::kMchName, 0, "ab.c");
    EXPECT_EQ(ChannelAt(0).name, "ABC     ");
    EXPECT_EQ(ChannelAt(0).dotMask, 0x40);
    EXPECT_EQ(Draw(cell::kMchName, 0)->request.text, "AB.C");
    Commit(cell::kMchName, 0, "--------");
    EXPECT_EQ(ChannelAt(0).name, "        ");
    EXPECT_EQ(Draw(cell::kMchName, 0)->request.text, "");
}

TEST_F(ChannelCellsTest, DuplexAndWxAcceptTypedText) {
    Commit(cell::kMchDup, 0, "d");
    EXPECT_TRUE(ChannelAt(0).duplex);
    EXPECT_EQ(Draw(cell::kMchDup, 0)->request.text, "DUP");
    Commit(cell::kMchDup, 0, "");
    EXPECT_FALSE(ChannelAt(0).duplex);
    Commit(cell::kMchDup, 0, "x");
    EXPECT_FALSE(ChannelAt(0).duplex) << "no row matches";

    Commit(cell::kMchWxCh, 0, "1");
    EXPECT_EQ(ChannelAt(0).wx, 0);
    EXPECT_EQ(Draw(cell::kMchWxCh, 0)->request.text, "1");
    Commit(cell::kMchWxCh, 0, " 10 ");
    EXPECT_EQ(ChannelAt(0).wx, 9);
    Commit(cell::kMchWxCh, 0, "");
    EXPECT_EQ(ChannelAt(0).wx, MemoryChannel::kWxOff);
}

TEST_F(ChannelCellsTest, AWxChannelForABlankChannelBringsTheDefaultChannel) {
    Commit(cell::kMchWxCh, 3, "3");
    const MemoryChannel channel = ChannelAt(3);
    EXPECT_TRUE(channel.used);
    EXPECT_EQ(channel.wx, 2);
    EXPECT_EQ(channel.rxHz, 118'000'000u) << "the default channel's frequency";
}

TEST_F(ChannelCellsTest, ChoiceCellsStepOpenTheirListAndTakeTheChosenRow) {
    Key(cell::kMchTag, 0, key::kSpace);
    const bool tag = ChannelAt(0).tag;
    Key(cell::kMchTag, 0, key::kSpace);
    EXPECT_NE(ChannelAt(0).tag, tag);

    const auto opened = Key(cell::kMchTxInhibit, 0, key::kEnter);
    EXPECT_EQ(opened->result, CellOpening::kOpenedPopup);
    EXPECT_EQ(openedChoices, (std::vector<std::string>{"GI_Sheet_Sel_Mch_Tx_Inhibit@0"}));

    // The popup commits with a copy of the owner's request whose parent is the row.
    SheetCell row;
    row.link = CellLink{category::kNone, cell::kFlex0, 1};
    CellRequest rowRequest;
    rowRequest.cell = &row;
    auto commit = Prepare(cell::kMchTxInhibit, 0, category::kConv);
    commit->request.textOrigin = TextOrigin::kChoice;
    commit->request.parentRequest = &rowRequest;
    Evaluate(*commit, CellEvaluator::kOperate);
    EXPECT_TRUE(ChannelAt(0).txInhibit);
    EXPECT_EQ(Draw(cell::kMchTxInhibit, 0)->request.text, "i");
}

TEST_F(ChannelCellsTest, TheDuplexListMarksItsDupRowWhenDuplexWouldBeWrong) {
    auto rowFor = [this](int ownerPosition, int rowIndex) {
        auto owner = Prepare(cell::kMchDup, ownerPosition, category::kConv);
        auto row = Prepare(cell::kFlexMarking, rowIndex, category::kNone);
        row->cell.text = rowIndex == 1 ? "DUP" : "";
        row->request.parentRequest = &owner->request;
        Evaluate(*row, CellEvaluator::kDraw);
        return std::pair{row->Warning(), row->request.markPosition};
    };
    EXPECT_EQ(rowFor(0, 1), (std::pair{true, MarkPosition::kRight})) << "a COM channel";
    EXPECT_EQ(rowFor(1, 1), (std::pair{false, MarkPosition::kDefault}))
        << "NAV receive, COM transmit";
    EXPECT_EQ(rowFor(0, 0), (std::pair{false, MarkPosition::kDefault})) << "the simplex row";
    options.values.modelType = 0;
    EXPECT_EQ(rowFor(0, 1), (std::pair{false, MarkPosition::kDefault})) << "no VOR";
}

TEST_F(ChannelCellsTest, WxChannelTagsWriteOnlyTheirBit) {
    image.SetByte(memory_map::kWxChannelFlags + 4, 0x15);
    Key(cell::kWxChTag, 4, key::kSpace, category::kNone);
    EXPECT_EQ(image.GetByte(memory_map::kWxChannelFlags + 4), 0x95);
    EXPECT_EQ(Draw(cell::kWxChTag, 4, category::kNone)->request.text, "TAG");
    Key(cell::kWxChTag, 4, key::kBackspace, category::kNone);
    EXPECT_EQ(image.GetByte(memory_map::kWxChannelFlags + 4), 0x15);
    const EepromImage before = image;
    Key(cell::kWxChTag, 10, key::kSpace, category::kNone);
    EXPECT_TRUE(image.Equals(before));
}

TEST_F(ChannelCellsTest, SeparatorsAskForAGreyFill) {
    const auto quarter = Draw(cell::kMiscQuarterPillar, 0, category::kNull);
    EXPECT_EQ(quarter->request.fillTenths, 3);
    EXPECT_EQ(quarter->request.fillColour, paint::kSeparator);
    EXPECT_EQ(Draw(cell::kMiscSeparatorPillarName, 0, category::kNull)->request.fillTenths, 10);
    EXPECT_EQ(Draw(cell::kMchName, 0)->request.fillTenths, 0);
}

TEST_F(ChannelCellsTest, CellsWithoutBindingShowTheirCode) {
    EXPECT_EQ(Draw(cell::kMchNo, 0, category::kNull)->request.text, "104 *Yet*");
    EXPECT_EQ(Draw(cell::kCheckCommon, 0, category::kNull)->request.text, "64 *Yet*");
    EXPECT_EQ(Draw(cell::kNull, 0, category::kNull)->request.text, "");
    const auto flex = Prepare(cell::kFlex0, 3, category::kNone);
    flex->cell.text = "20";
    Evaluate(*flex, CellEvaluator::kDraw);
    EXPECT_EQ(flex->request.text, "20");
}

TEST_F(ChannelCellsTest, PopupHelpAsksTheControllerAndEditActsAsEnter) {
    auto help = Prepare(cell::kMchName, 0, category::kConv);
    help->request.commandId = cell::kPMenuHelp;
    Evaluate(*help, CellEvaluator::kOperate);
    EXPECT_EQ(controller.helpCells, std::vector<int>{cell::kMchName});

    // F1 from the grid asks for the cell's help and leaves the value alone.
    auto f1 = Prepare(cell::kMchName, 0, category::kConv);
    f1->request.keyCode = key::kHelp;
    Evaluate(*f1, CellEvaluator::kOperate);
    EXPECT_EQ(controller.keyHelpCells, std::vector<int>{cell::kMchName});
    EXPECT_EQ(f1->result, CellOpening::kNothingToOpen);

    auto edit = Prepare(cell::kMchName, 0, category::kConv);
    edit->request.commandId = cell::kPMenuEdit;
    Evaluate(*edit, CellEvaluator::kOperate);
    EXPECT_EQ(edit->result, CellOpening::kOpenEditor);
}

}  // namespace
}  // namespace orvane
