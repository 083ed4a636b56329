// The popup menu's list commands on channel lists and the bank table: which items are
// enabled, and what copy, paste, up, down, clear, delete and insert do at the edges.

#include <gtest/gtest.h>

#include "list_operations_support.h"
#include "radio/channel_clipboard.h"
#include "radio/channel_list_operations.h"
#include "radio/home_position.h"
#include "radio/name_codec.h"
#include "radio_fixture.h"

namespace orvane {
namespace {

using testing::RadioFixture;
using testing::Sent;

constexpr Hertz Mhz(int kilohertz) { return static_cast<Hertz>(kilohertz) * 1000; }

class ListOperationsTest : public RadioFixture {
protected:
    ListOperationsTest() {
        evaluator.SetListOperations(&operations);
        BlankAll();
        // Bank 0: positions 0..4, bank 1: none, bank 2: 5..7, bank 3: 8..9.
        SetCapacities({5, 0, 3, 2, 0, 0, 0, 0, 0, 0});
        for (int p = 0; p < 10; ++p) {
            PutChannel(p, Mhz(118'000 + 25 * p), Mhz(118'000 + 25 * p));
        }
        OpenBank(2);
    }

    std::unique_ptr<Sent> Command(int row, CellId command, int from = -1, int to = -1,
                                  CellCategory category = category::kConv) {
        auto sent =
            Prepare(category == category::kConv ? cell::kMchName : cell::kMchBank, row, category);
        sent->request.commandId = command;
        if (from >= 0) {
            sent->request.selectionFlags = CellRequest::kRangeActive;
            sent->request.rangeFrom = from;
            sent->request.rangeTo = to;
        }
        Evaluate(*sent, CellEvaluator::kOperate);
        return sent;
    }
    bool Disabled(CellId item, int row, CellCategory category = category::kConv) {
        auto owner =
            Prepare(category == category::kConv ? cell::kMchName : cell::kMchBank, row, category);
        auto sent = Prepare(item, 0, category::kPopupMenu);
        sent->request.parentRequest = &owner->request;
        sent->request.fromGrid = false;
        Evaluate(*sent, CellEvaluator::kDraw);
        return (sent->cell.state & SheetCell::kItemDisabled) != 0;
    }
    Hertz Rx(int position) { return ChannelAt(position).rxHz; }
    std::vector<Hertz> RxRange(int from, int to) {
        std::vector<Hertz> rx;
        for (int p = from; p <= to; ++p) {
            rx.push_back(ChannelAt(p).used ? Rx(p) : 0);
        }
        return rx;
    }

    ChannelClipboard clipboard;
    testing::KeptTextClipboard desktop;
    ChannelListOperations operations{clipboard, &desktop, texts, prompter, bus};
    testing::BankRequestHandler bankRequests{bus, image, options};
};

TEST_F(ListOperationsTest, ItemsAreEnabledByTheOwnersRowAndList) {
    struct Case {
        CellId item;
        int row;
        bool disabled;
    };
    // Bank 2 holds positions 5..7; 8 is its "New" row.
    const Case bankCases[] = {{cell::kPMenuNoItem, 6, true},    {cell::kPMenuEdit, 8, false},
                              {cell::kPMenuHelp, 8, false},     {cell::kPMenuCopy, 7, false},
                              {cell::kPMenuCopy, 8, true},      {cell::kPMenuPaste, 6, false},
                              {cell::kPMenuPaste, 8, true},     {cell::kPMenuCarryUp, 5, true},
                              {cell::kPMenuCarryUp, 6, false},  {cell::kPMenuCarryUp, 8, true},
                              {cell::kPMenuCarryDown, 7, true}, {cell::kPMenuCarryDown, 6, false},
                              {cell::kPMenuClear, 8, true},     {cell::kPMenuDelete, 8, true},
                              {cell::kPMenuDelete, 5, false},   {cell::kPMenuInsert, 8, false}};
    for (const Case& c : bankCases) {
        EXPECT_EQ(Disabled(c.item, c.row), c.disabled) << "bank mode " << c.item << " @" << c.row;
    }
    OpenBank(1);  // empty: every row is beyond
    EXPECT_TRUE(Disabled(cell::kPMenuCopy, 5));
    EXPECT_FALSE(Disabled(cell::kPMenuInsert, 5));

    EXPECT_TRUE(Disabled(cell::kPMenuCarryUp, 0, category::kBankOp));
    EXPECT_FALSE(Disabled(cell::kPMenuCarryUp, 1, category::kBankOp));
    EXPECT_FALSE(Disabled(cell::kPMenuCarryDown, 9, category::kBankOp));

    UseModel(4, false);
    const Case exportCases[] = {
        {cell::kPMenuPaste, 50, true},      {cell::kPMenuCarryUp, 0, true},
        {cell::kPMenuCarryUp, 1, false},    {cell::kPMenuCarryDown, 99, true},
        {cell::kPMenuCarryDown, 98, false}, {cell::kPMenuClear, 60, false},
        {cell::kPMenuCopy, 60, false}};
    for (const Case& c : exportCases) {
        EXPECT_EQ(Disabled(c.item, c.row), c.disabled) << "export " << c.item << " @" << c.row;
    }
    Command(3, cell::kPMenuCopy);
    EXPECT_FALSE(Disabled(cell::kPMenuPaste, 50)) << "the clipboard now holds channels";

    evaluator.SetListOperations(nullptr);
    EXPECT_TRUE(Disabled(cell::kPMenuInsert, 50)) << "nothing would run it";
    EXPECT_FALSE(Disabled(cell::kPMenuEdit, 50));
}

TEST_F(ListOperationsTest, CopyTakesOnlyTheListsRowsAndAlsoGivesTabText) {
    PutChannel(6, Mhz(121'500), Mhz(121'500));
    const auto sent = Command(5, cell::kPMenuCopy, 6, 9);
    EXPECT_EQ(clipboard.Count(), 2) << "rows 8 and 9 belong to bank 3";
    EXPECT_EQ(clipboard.Start(), 6);
    EXPECT_EQ(sent->request.rangeFrom, 6);
    EXPECT_EQ(sent->request.rangeTo, 7);
    EXPECT_NE(sent->request.selectionFlags & CellRequest::kSelectRange, 0u);
    EXPECT_EQ(bankSheet.LastStatusText(), " Copied");
    ASSERT_EQ(desktop.texts.size(), 1u);
    EXPECT_EQ(desktop.texts[0],
              "2-1\t121.500\t121.500\t\tOFF\tOFF\tOFF\tOFF\n"
              "2-2\t118.175\t118.175\t\tOFF\tOFF\tOFF\tOFF\n");
}

TEST_F(ListOperationsTest, PasteFitsTheListAndAsksOnlyBeforeOverwriting) {
    OpenBank(0);
    Command(0, cell::kPMenuCopy, 0, 4);
    ASSERT_EQ(clipboard.Count(), 5);
    OpenBank(2);
    PutChannel(6, 0, 0, false);
    PutChannel(7, 0, 0, false);
    prompter.answers = {PromptAnswer::Cancel};
    Command(6, cell::kPMenuPaste);
    EXPECT_TRUE(prompter.shown.empty()) << "blank rows are pasted without asking";
    EXPECT_EQ(RxRange(5, 8),
              (std::vector<Hertz>{Mhz(118'125), Mhz(118'000), Mhz(118'025), Mhz(118'200)}))
        << "two rows fit on the second-last row; bank 3 keeps its channel";

    const auto refused = Command(5, cell::kPMenuPaste);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Overwriting. Are you sure?");
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Warning);
    EXPECT_EQ(Rx(5), Mhz(118'125)) << "a refused overwrite changes nothing";
    EXPECT_EQ(refused->request.selectionFlags & CellRequest::kSelectRange, 0u);

    const auto pasted = Command(5, cell::kPMenuPaste);
    EXPECT_EQ(RxRange(5, 7), (std::vector<Hertz>{Mhz(118'000), Mhz(118'025), Mhz(118'050)}));
    EXPECT_EQ(pasted->request.rangeTo, 7);
    EXPECT_EQ(bankSheet.LastStatusText(), " Pasted");
}

TEST_F(ListOperationsTest, PasteAndClearFitChannelsToTheModel) {
    MemoryChannel channel = PutChannel(2, Mhz(110'000), Mhz(118'000));
    channel.duplex = true;
    channel.wx = 3;
    channels.Store(channel);
    OpenBank(0);
    Command(2, cell::kPMenuCopy, 2, 2);
    ASSERT_TRUE(ChannelAt(2).duplex);

    struct Case {
        int model;
        bool duplex;
        int wx;
    };
    const Case cases[] = {
        {3, true, 3}, {0, false, MemoryChannel::kWxOff}, {4, false, MemoryChannel::kWxOff}};
    for (const Case& c : cases) {
        options.values.modelType = c.model;
        OpenBank(0);
        Command(3, cell::kPMenuPaste);
        EXPECT_EQ(ChannelAt(3).duplex, c.duplex) << c.model;
        EXPECT_EQ(ChannelAt(3).wx, c.wx) << c.model;
    }
    options.values.modelType = 3;
    OpenBank(0);
    Command(1, cell::kPMenuCarryDown);
    EXPECT_TRUE(ChannelAt(2).duplex == false && ChannelAt(1).duplex) << "moves are not filtered";
}

TEST_F(ListOperationsTest, UpAndDownMoveTheBlockInsideTheList) {
    OpenBank(0);
    const auto down = Command(1, cell::kPMenuCarryDown, 1, 2);
    EXPECT_EQ(RxRange(0, 4), (std::vector<Hertz>{Mhz(118'000), Mhz(118'075), Mhz(118'025),
                                                 Mhz(118'050), Mhz(118'100)}));
    EXPECT_EQ(down->request.rangeFrom, 2);
    EXPECT_EQ(down->request.rangeTo, 3);
    EXPECT_TRUE(down->request.moveRequested);
    EXPECT_EQ(down->request.moveTo, (CellLink{category::kConv, cell::kMchName, 3}));

    const auto up = Command(2, cell::kPMenuCarryUp, 2, 3);
    EXPECT_EQ(RxRange(0, 4), (std::vector<Hertz>{Mhz(118'000), Mhz(118'025), Mhz(118'050),
                                                 Mhz(118'075), Mhz(118'100)}));
    EXPECT_EQ(up->request.moveTo.index, 1);

    const std::vector<Hertz> before = RxRange(0, 9);
    Command(3, cell::kPMenuCarryDown, 3, 4);
    Command(4, cell::kPMenuCarryDown);
    EXPECT_EQ(RxRange(0, 9), before) << "the bank's last row has nothing below it in the bank";
}

TEST_F(ListOperationsTest, ClearBlanksOnlyTheListsRowsAfterConfirmation) {
    prompter.answers = {PromptAnswer::Cancel};
    Command(6, cell::kPMenuClear, 6, 8);
    EXPECT_TRUE(ChannelAt(6).used);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Clearing. Are you sure?");

    Command(6, cell::kPMenuClear, 6, 8);
    EXPECT_FALSE(ChannelAt(6).used);
    EXPECT_FALSE(ChannelAt(7).used);
    EXPECT_TRUE(ChannelAt(8).used) << "row 8 is bank 3's channel";
    EXPECT_EQ(bankSheet.LastStatusText(), " Cleared");
}

TEST_F(ListOperationsTest, DeleteInABankGoesThroughTheController) {
    OpenBank(0);
    Command(0, cell::kPMenuDelete, 0, 4);
    EXPECT_EQ(banks.BankCapacity(0), 5) << "bank 0 keeps a channel";
    EXPECT_TRUE(prompter.shown.empty());

    prompter.answers = {PromptAnswer::Cancel};
    OpenBank(3);
    Command(8, cell::kPMenuDelete, 8, 9);
    EXPECT_EQ(banks.BankCapacity(3), 2) << "refused";

    const auto sent = Command(8, cell::kPMenuDelete, 8, 9);
    EXPECT_EQ(prompter.shown.back().text, "Deleting. Are you sure?");
    EXPECT_EQ(bankRequests.requests, 2);
    EXPECT_EQ(banks.BankCapacity(3), 0);
    EXPECT_FALSE(ChannelAt(8).used);
    EXPECT_EQ(sent->request.moveTo.index, 8);
    EXPECT_EQ(bankSheet.LastStatusText(), " Deleted");

    OpenBank(2);
    Command(5, cell::kPMenuDelete, 6, 6);
    EXPECT_EQ(RxRange(5, 6), (std::vector<Hertz>{Mhz(118'150), Mhz(118'175)}))
        << "the delete starts at the owner row when it lies before the block";
}

TEST_F(ListOperationsTest, InsertInABankStopsAtTheFirstRowThatDoesNotFit) {
    SetCapacities({5, 0, 3, 2, 0, 0, 0, 0, 0, 98});  // 108 in all, bank 9 nearly full
    OpenBank(9);
    const int first = banks.BankFirst(9);
    const auto sent = Command(first + 1, cell::kPMenuInsert, first + 1, first + 3);
    EXPECT_EQ(banks.BankCapacity(9), 100);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "The number of channels exceed.\n");
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Error);
    EXPECT_EQ(sent->request.rangeTo, first + 3);

    OpenBank(2);
    Command(6, cell::kPMenuInsert);
    EXPECT_FALSE(ChannelAt(6).used);
    EXPECT_EQ(Rx(7), Mhz(118'150));
    EXPECT_EQ(banks.BankCapacity(2), 4);
    EXPECT_EQ(bankSheet.LastStatusText(), " Inserted");
}

TEST_F(ListOperationsTest, ExportListsMoveRecordsWithinTheHundredPositions) {
    UseModel(4, false);
    BlankAll();
    for (int p = 0; p < 5; ++p) {
        PutChannel(p, Mhz(118'000 + 25 * p), Mhz(118'000 + 25 * p));
    }
    PutChannel(150, Mhz(130'000), Mhz(130'000));
    Command(1, cell::kPMenuInsert, 1, 2);
    EXPECT_EQ(RxRange(0, 6), (std::vector<Hertz>{Mhz(118'000), 0, 0, Mhz(118'025), Mhz(118'050),
                                                 Mhz(118'075), Mhz(118'100)}));
    Command(1, cell::kPMenuDelete, 1, 2);
    EXPECT_EQ(RxRange(0, 4), (std::vector<Hertz>{Mhz(118'000), Mhz(118'025), Mhz(118'050),
                                                 Mhz(118'075), Mhz(118'100)}));
    EXPECT_TRUE(prompter.shown.empty()) << "deleting blank rows asks nothing";
    EXPECT_EQ(Rx(150), Mhz(130'000)) << "records past the list stay";

    PutChannel(99, Mhz(120'000), Mhz(120'000));
    const std::vector<Hertz> before = RxRange(0, 99);
    Command(1, cell::kPMenuInsert);
    EXPECT_EQ(RxRange(0, 99), before) << "the last row is used";
}

TEST_F(ListOperationsTest, BankUpAndDownExchangeChannelsNamesAndDots) {
    auto name = [this](int bank) { return banks.BankDisplayName(bank, false); };
    auto setName = [this](int bank, const std::string& text, std::uint8_t dots) {
        for (int k = 0; k < 8; ++k) {
            image.SetByte(memory_map::kBankNames + bank * 8 + k,
                          static_cast<std::uint8_t>(text[static_cast<std::size_t>(k)]));
        }
        image.SetByte(memory_map::kBankNameDots + bank, dots);
    };
    setName(2, "TOWER   ", 0x80);
    setName(3, "GROUND  ", 0);
    const auto sent = Command(3, cell::kPMenuCarryUp, -1, -1, category::kBankOp);
    EXPECT_EQ(banks.BankCapacity(2), 2);
    EXPECT_EQ(banks.BankCapacity(3), 3);
    EXPECT_EQ(RxRange(5, 9), (std::vector<Hertz>{Mhz(118'200), Mhz(118'225), Mhz(118'125),
                                                 Mhz(118'150), Mhz(118'175)}));
    EXPECT_EQ(name(2), "2: GROUND          ");
    EXPECT_EQ(name(3), "3: T.OWER          ");
    EXPECT_EQ(sent->request.rangeFrom, 2);
    EXPECT_NE(sent->request.selectionFlags & CellRequest::kSelectRange, 0u);
    bus.Pump();
    std::vector<std::string> captions;
    for (const auto& message : bankSheet.received) {
        if (message.kind == message::kBankNodeCaptionUpdate) {
            captions.push_back(message.text);
        }
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"2: GROUND          ", "3: T.OWER          "}));

    const std::vector<Hertz> before = RxRange(0, 9);
    Command(1, cell::kPMenuCarryUp, -1, -1, category::kBankOp);
    EXPECT_EQ(banks.BankCapacity(0), 5) << "an empty bank never moves into place 0";
    Command(0, cell::kPMenuCarryDown, -1, -1, category::kBankOp);
    EXPECT_EQ(RxRange(0, 9), before);

    Command(1, cell::kPMenuCarryDown, 1, 3, category::kBankOp);
    // Banks 1..3 move down one place each; bank 4 (empty) comes up to place 1.
    EXPECT_EQ(banks.BankCapacity(1), 0);
    EXPECT_EQ(banks.BankCapacity(2), 0);
    EXPECT_EQ(banks.BankCapacity(3), 2);
    EXPECT_EQ(banks.BankCapacity(4), 3);
    EXPECT_EQ(RxRange(5, 9), (std::vector<Hertz>{Mhz(118'200), Mhz(118'225), Mhz(118'125),
                                                 Mhz(118'150), Mhz(118'175)}));
    EXPECT_EQ(name(4), "4: T.OWER          ");
}

TEST_F(ListOperationsTest, TheHomeChannelMovesWithItsBank) {
    // Home: bank 2, its third channel (position 7); bank 3 keeps its own home index 1.
    image.SetByte(memory_map::kHomeBank, 2);
    image.SetByte(memory_map::kHomeChannels + 2, 2);
    image.SetByte(memory_map::kHomeChannels + 3, 1);
    const Hertz home = Rx(7);
    Command(3, cell::kPMenuCarryUp, -1, -1, category::kBankOp);
    EXPECT_EQ(image.GetByte(memory_map::kHomeBank), 3);
    EXPECT_EQ(image.GetByte(memory_map::kHomeChannels + 3), 2);
    EXPECT_EQ(image.GetByte(memory_map::kHomeChannels + 2), 1);
    EXPECT_EQ(Rx(*HomeMemoryPosition(image, banks, true)), home);

    image.SetByte(memory_map::kHomeBank, 0);
    Command(3, cell::kPMenuCarryDown, -1, -1, category::kBankOp);
    EXPECT_EQ(image.GetByte(memory_map::kHomeBank), 0) << "a home bank not moved stays";
}

}  // namespace
}  // namespace orvane
