// The bank table's cells: capacities with their bounds and messages, used channels,
// bank names, and the check cells the controller evaluates for the tree.

#include <gtest/gtest.h>

#include "radio/entry_keys.h"
#include "radio/notify_flags.h"
#include "radio_fixture.h"

namespace orvane {
namespace {

using testing::RadioFixture;

class BankCellsTest : public RadioFixture {
protected:
    BankCellsTest() {
        SetCapacities({5, 0, 3, 0, 0, 0, 0, 0, 0, 0});
        BlankAll();
        bankSheet.open = false;
    }
    std::unique_ptr<testing::Sent> Bank(int bank, std::int32_t key) {
        return Key(cell::kMchBank, bank, key, category::kBankOp);
    }
    std::unique_ptr<testing::Sent> TypeCapacity(int bank, std::string text) {
        return Commit(cell::kMchBank, bank, std::move(text), category::kBankOp);
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const Prompt& prompt : prompter.shown) {
            texts.push_back(prompt.text.substr(0, prompt.text.find('\n')));
        }
        return texts;
    }
};

struct CapacityCase {
    std::array<int, 10> capacities;
    std::vector<int> used;
    int bank;
    std::string typed;
    int capacity;
    std::vector<std::string> messages;
};

TEST_F(BankCellsTest, TypedCapacitiesAreLimitedWithAMessage) {
    const std::string overflow = "The number of channels exceed.";
    const std::string noChannel = "No CH left.";
    const std::string notBlank = "Some CHs are not blank CH !";
    const CapacityCase cases[] = {
        {{5, 0, 3}, {}, 1, "4", 4, {}},
        {{5, 0, 3}, {7}, 2, "1", 3, {notBlank}},
        {{5, 0, 3}, {6}, 2, "1", 2, {notBlank}},
        {{5, 0, 3}, {}, 2, "-2", 0, {noChannel}},
        {{5, 0, 3}, {}, 2, "0", 0, {}},
        {{5, 0, 3}, {}, 0, "150", 100, {overflow}},
        {{50, 50, 50, 40}, {}, 3, "100", 50, {overflow}},
        {{100, 100}, {}, 2, "1", 0, {overflow}},
        {{5, 0, 3}, {}, 0, "0", 1, {notBlank}},
        {{5, 0, 3}, {}, 0, "1", 1, {}},
        {{5, 0, 3}, {0}, 0, "-1", 1, {noChannel}},
        {{5, 0, 3}, {}, 1, "abc", 0, {}},
    };
    for (const CapacityCase& c : cases) {
        SetCapacities(c.capacities);
        BlankAll();
        for (int position : c.used) {
            PutChannel(position, 121'500'000, 121'500'000);
        }
        prompter.shown.clear();
        const auto sent = TypeCapacity(c.bank, c.typed);
        SCOPED_TRACE(::testing::Message() << "bank " << c.bank << " typed '" << c.typed << "'");
        EXPECT_EQ(banks.BankCapacity(c.bank), c.capacity);
        EXPECT_EQ(sent->request.text, std::to_string(c.capacity));
        EXPECT_EQ(Messages(), c.messages);
    }
}

TEST_F(BankCellsTest, ADamagedTableThatClaimsTooManyPositionsLosesNoChannel) {
    SetCapacities({150, 150, 0, 0, 0, 0, 0, 0, 0, 0});
    for (int p = 0; p < 200; ++p) {
        PutChannel(p, 121'500'000, 121'500'000);
    }
    const auto channelBytes = [this] {
        std::vector<std::uint8_t> bytes(image.Bytes().begin(), image.Bytes().begin() + 0xD48);
        return bytes;
    };
    const std::vector<std::uint8_t> before = channelBytes();
    EXPECT_EQ(Draw(cell::kMchBank, 11, category::kBankOp)->request.text, "-100");
    TypeCapacity(0, "160");
    EXPECT_EQ(Messages(), std::vector<std::string>{"The number of channels exceed."});
    EXPECT_EQ(banks.BankCapacity(0), 150);
    Bank(0, key::kSpace);
    EXPECT_EQ(banks.BankCapacity(0), 150);
    // Positions past the 200 records count as blank: stepping down gives the excess back.
    Bank(1, key::kBackspace);
    EXPECT_EQ(banks.BankCapacity(1), 50);
    EXPECT_EQ(banks.TotalCapacity(), 200);
    EXPECT_EQ(channelBytes(), before);
}

TEST_F(BankCellsTest, SpaceAndBackspaceStepWithinTheBounds) {
    Bank(1, key::kSpace);
    EXPECT_EQ(banks.BankCapacity(1), 1);
    Bank(1, key::kBackspace);
    Bank(1, key::kBackspace);
    EXPECT_EQ(banks.BankCapacity(1), 0);
    PutChannel(7, 121'500'000, 121'500'000);
    Bank(2, key::kBackspace);
    EXPECT_EQ(banks.BankCapacity(2), 3) << "the last channel is used";
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(BankCellsTest, GrowingABankMovesTheLaterBanksAndRefreshesAllCapacities) {
    PutChannel(5, 124'000'000, 124'000'000);
    const auto sent = TypeCapacity(0, "7");
    EXPECT_EQ(banks.BankCapacity(0), 7);
    EXPECT_EQ(ChannelAt(7).rxHz, 124'000'000u);
    EXPECT_FALSE(ChannelAt(5).used);
    ASSERT_EQ(sent->refreshMasks.size(), 1u);
    EXPECT_EQ(sent->refreshMasks[0] & notify::kSameCellId, notify::kSameCellId);
    bus.Pump();
    EXPECT_EQ(bankSheet.KindsBesidesStatus(), std::vector<int>{message::kBankNodeImages});

    TypeCapacity(0, "5");
    EXPECT_EQ(ChannelAt(5).rxHz, 124'000'000u) << "the blank channels at the end were removed";
}

TEST_F(BankCellsTest, ShrinkingABankKeepsTheHomeChannelInside) {
    image.SetByte(memory_map::kHomeChannels + 0, 4);
    TypeCapacity(0, "2");
    EXPECT_EQ(image.GetByte(memory_map::kHomeChannels + 0), 1);
}

TEST_F(BankCellsTest, AnEmptyBankBeforeAUsedOneIsAnError) {
    struct Case {
        std::array<int, 10> capacities;
        int bank;
        bool error;
    };
    const Case cases[] = {{{5, 0, 3}, 1, true}, {{5, 0, 3}, 3, false}, {{5, 0, 3}, 0, false},
                          {{0, 0, 3}, 0, true}, {{0}, 0, true},        {{5}, 9, false}};
    for (const Case& c : cases) {
        SetCapacities(c.capacities);
        EXPECT_EQ(Draw(cell::kMchBank, c.bank, category::kBankOp)->Error(), c.error) << c.bank;
    }
}

TEST_F(BankCellsTest, TotalsAndUsedChannels) {
    PutChannel(0, 121'500'000, 121'500'000);
    PutChannel(6, 121'500'000, 121'500'000);
    PutChannel(100, 121'500'000, 121'500'000);
    const std::pair<int, std::string> capacityRows[] = {{0, "5"}, {10, "8"}, {11, "192"}};
    for (const auto& [row, text] : capacityRows) {
        EXPECT_EQ(Draw(cell::kMchBank, row, category::kBankOp)->request.text, text) << row;
    }
    const std::pair<int, std::string> usedRows[] = {
        {0, "1"}, {2, "1"}, {1, "0"}, {10, "2"}, {11, "198"}};
    for (const auto& [row, text] : usedRows) {
        const auto sent = Draw(cell::kMchUsedCHs, row, category::kBankOp);
        EXPECT_EQ(sent->request.text, text) << row;
        EXPECT_EQ(sent->request.textColour, paint::kReadOnly);
    }
}

TEST_F(BankCellsTest, UsedChannelsAreReadOnly) {
    const auto sent = Key(cell::kMchUsedCHs, 0, '3', category::kBankOp);
    EXPECT_EQ(sent->result, CellOpening::kNothingToOpen);
    EXPECT_EQ(bankSheet.LastStatusText(), " Edit is restricted.");
    Key(cell::kMchUsedCHs, 0, 9472, category::kBankOp);
    EXPECT_EQ(bankSheet.LastStatusText(), "");
}

TEST_F(BankCellsTest, BankNamesAreNormalisedStoredAndSentToTheTree) {
    Commit(cell::kBankName, 4, "tower.1", category::kBankOp);
    EXPECT_EQ(banks.BankDisplayName(4, false), "4: TOWER.1         ");
    EXPECT_EQ(Draw(cell::kBankName, 4, category::kBankOp)->request.text, "TOWER.1");
    bus.Pump();
    ASSERT_EQ(bankSheet.received.size(), 1u);
    EXPECT_EQ(bankSheet.received[0].kind, message::kBankNodeCaptionUpdate);
    EXPECT_EQ(bankSheet.received[0].int2, 4);
    EXPECT_EQ(bankSheet.received[0].text, "4: TOWER.1         ");
}

class CheckCellsTest : public RadioFixture {
protected:
    CheckCellsTest() {
        SetCapacities({5, 0, 3, 0, 0, 0, 0, 0, 0, 0});
        BlankAll();
        bankSheet.open = false;
    }
    std::unique_ptr<testing::Sent> Check(CellId id) {
        auto sent = Prepare(id, 0, category::kNone);
        sent->request.fromGrid = false;
        Evaluate(*sent, CellEvaluator::kDraw);
        return sent;
    }
};

TEST_F(CheckCellsTest, TheBankTableFailsOnAGap) {
    EXPECT_TRUE(Check(cell::kCheckBankOp)->Error());
    SetCapacities({5, 3, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_FALSE(Check(cell::kCheckBankOp)->Error());
}

TEST_F(CheckCellsTest, EachBankWarnsAboutItsOwnChannels) {
    PutChannel(6, 150'000'000, 150'000'000);
    EXPECT_FALSE(Check(cell::kCheckMemoryCH0)->Warning());
    EXPECT_TRUE(Check(cell::kCheckMemoryCH0 + 2)->Warning());
    EXPECT_FALSE(Check(cell::kCheckMemoryCH0 + 2)->Error());
    EXPECT_TRUE(Check(cell::kCheckMemoryCH)->Warning()) << "the export list covers position 6 too";
}

struct HomeCase {
    int homeMode;
    bool vfoEnabled;
    Hertz vfoRx;
    int homeBank;
    int homeChannel;
    bool totOffAllowed;
    int tot;
    bool warning;
    bool error;
};

TEST_F(CheckCellsTest, TheHomeCheckLooksAtTheVfoOrTheHomeChannel) {
    PutChannel(6, 121'500'000, 121'500'000);
    PutChannel(7, 150'000'000, 150'000'000);
    const HomeCase cases[] = {
        {0, true, 121'500'000, 0, 0, true, 18, false, false},
        {0, true, 150'000'000, 0, 0, true, 18, true, false},
        {0, true, 121'500'000, 0, 0, false, 1, true, false},
        {0, false, 121'500'000, 2, 1, true, 18, false, false},
        {1, true, 121'500'000, 2, 1, true, 18, false, false},
        {1, true, 121'500'000, 2, 2, true, 18, false, true},
        {1, true, 121'500'000, 2, 0, true, 18, false, true},
        {1, true, 121'500'000, 1, 0, true, 18, false, true},
        {1, true, 121'500'000, 12, 0, true, 18, false, true},
        {1, true, 121'500'000, 2, 1, false, 0, true, false},
    };
    for (const HomeCase& c : cases) {
        image.SetByte(memory_map::kHomeMode, static_cast<std::uint8_t>(c.homeMode));
        options.values.vfoEnabled = c.vfoEnabled;
        options.values.totOffAllowed = c.totOffAllowed;
        MemoryChannel vfo = channels.Load(MemoryChannel::kHomeVfo, 0);
        vfo.rxHz = c.vfoRx;
        vfo.txHz = c.vfoRx;
        channels.Store(vfo);
        image.SetByte(memory_map::kHomeBank, static_cast<std::uint8_t>(c.homeBank));
        if (c.homeBank < 10) {
            image.SetByte(memory_map::kHomeChannels + c.homeBank,
                          static_cast<std::uint8_t>(c.homeChannel));
        }
        image.SetByte(memory_map::kHomeTot, static_cast<std::uint8_t>(c.tot));
        const auto sent = Check(cell::kCheckHome);
        SCOPED_TRACE(::testing::Message() << "mode " << c.homeMode << " bank " << c.homeBank
                                          << " channel " << c.homeChannel);
        EXPECT_EQ(sent->Warning(), c.warning);
        EXPECT_EQ(sent->Error(), c.error);
    }
}

}  // namespace
}  // namespace orvane
