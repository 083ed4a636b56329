// The frequency checks per model and option, and the bank and list checks.

#include <gtest/gtest.h>

#include <array>

#include "radio/bank_table.h"
#include "radio/channel_checks.h"
#include "radio/channel_store.h"
#include "radio/memory_map.h"
#include "radio_test_support.h"

namespace orvane {
namespace {

using testing::DefaultImage;

constexpr int kLk2 = 0;
constexpr int kLk1 = 3;
constexpr int kVorOnly = 1;
constexpr int kExport = 4;
constexpr int kExportVor = 5;

RadioConfiguration Options(int model, bool duplex, bool rx137) {
    RadioConfiguration options;
    options.modelType = model;
    options.duplexEnabled = duplex;
    options.rx137Allowed = rx137;
    return options;
}

MemoryChannel Channel(Hertz rx, Hertz tx, bool duplex = false, bool used = true,
                      int wx = MemoryChannel::kWxOff) {
    MemoryChannel channel;
    channel.kind = MemoryChannel::kMemory;
    channel.used = used;
    channel.rxHz = rx;
    channel.txHz = tx;
    channel.duplex = duplex;
    channel.wx = wx;
    return channel;
}

struct RxCase {
    int model;
    bool rx137;
    Hertz rx;
    bool marked;
};

TEST(RxCheckTest, ReceiveBandsPerModelAndOption) {
    const RxCase cases[] = {
        {kLk2, false, 108'000'000, true},    {kLk2, false, 140'000'000, true},
        {kLk2, false, 118'000'000, false},   {kLk2, false, 136'990'000, false},
        {kLk2, true, 140'000'000, false},    {kLk2, true, 117'990'000, true},
        {kLk2, true, 143'990'000, false},    {kLk2, true, 144'000'000, true},
        {kLk1, true, 109'000'000, false},    {kLk1, true, 140'000'000, false},
        {kLk1, true, 144'000'000, true},     {kLk1, false, 140'000'000, true},
        {kLk1, false, 108'000'000, false},   {kLk1, false, 107'995'000, true},
        {kExport, false, 110'000'000, true}, {kExportVor, false, 110'000'000, false},
        {kExport, true, 137'000'000, false}, {kLk1, false, 136'995'000, false},
    };
    EepromImage image = DefaultImage(3);
    for (const RxCase& c : cases) {
        const ChannelChecks checks(image, Options(c.model, false, c.rx137));
        EXPECT_EQ(checks.RxCheck(Channel(c.rx, c.rx), false), c.marked)
            << "model " << c.model << " rx137 " << c.rx137 << " rx " << c.rx;
    }
}

TEST(RxCheckTest, BlankAndWxChannelsAreNotMarkedOnTheSheets) {
    EepromImage image = DefaultImage(3);
    const ChannelChecks lk1(image, Options(kLk1, true, false));
    EXPECT_FALSE(lk1.RxCheck(Channel(50'000'000, 50'000'000, false, false), false));
    EXPECT_TRUE(lk1.RxCheck(Channel(50'000'000, 50'000'000, false, false), true));
    EXPECT_FALSE(lk1.RxCheck(Channel(50'000'000, 50'000'000, false, true, 3), false));
    // Without WX on the model a WX number does not excuse the channel.
    const ChannelChecks lk2(image, Options(kLk2, true, false));
    EXPECT_TRUE(lk2.RxCheck(Channel(50'000'000, 50'000'000, false, true, 3), false));
}

struct DuplexCase {
    int model;
    bool duplexEnabled;
    Hertz rx;
    Hertz tx;
    bool duplex;
    bool txInhibit;
    bool txMarked;
    bool duplexMarked;
};

TEST(TxAndDuplexCheckTest, OnlyANavigationReceiverMayTransmitApartAndOnlyInCom) {
    const DuplexCase cases[] = {
        {kLk1, true, 110'000'000, 119'000'000, true, false, false, false},
        {kLk1, true, 110'000'000, 137'000'000, true, false, true, true},
        {kLk1, true, 110'000'000, 150'000'000, false, false, true, false},
        {kLk1, true, 110'000'000, 110'000'000, false, true, false, false},
        {kLk1, true, 121'500'000, 121'500'000, true, false, false, true},
        {kLk1, false, 110'000'000, 137'000'000, true, false, false, false},
        {kLk2, true, 110'000'000, 137'000'000, true, false, false, false},
        {kVorOnly, true, 110'000'000, 137'000'000, true, false, true, true},
        {kExportVor, true, 110'000'000, 137'000'000, true, false, false, false},
        {kLk1, true, 110'000'000, 136'990'000, false, false, false, false},
    };
    EepromImage image = DefaultImage(3);
    for (const DuplexCase& c : cases) {
        const ChannelChecks checks(image, Options(c.model, c.duplexEnabled, false));
        MemoryChannel channel = Channel(c.rx, c.tx, c.duplex);
        channel.txInhibit = c.txInhibit;
        EXPECT_EQ(checks.TxCheck(channel, false), c.txMarked)
            << c.model << " " << c.rx << "/" << c.tx;
        EXPECT_EQ(checks.DuplexCheck(channel, false), c.duplexMarked)
            << c.model << " " << c.rx << "/" << c.tx;
    }
}

class BankChecksTest : public ::testing::Test {
protected:
    void SetCapacities(std::array<int, 10> capacities) {
        for (int b = 0; b < 10; ++b) {
            banks.SetBankCapacity(b, capacities[static_cast<std::size_t>(b)]);
        }
    }
    void Put(int position, Hertz rx, bool used = true) {
        MemoryChannel channel = store.Load(MemoryChannel::kMemory, position);
        channel.used = used;
        channel.rxHz = rx;
        channel.txHz = rx;
        store.Store(channel);
    }

    EepromImage image = DefaultImage(3);
    BankTable banks{image};
    ChannelStore store{image, 3};
    ChannelChecks checks{image, Options(kLk1, true, false)};
};

TEST_F(BankChecksTest, BankGapLooksAtBanksOneToNine) {
    SetCapacities({0, 0, 5, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(checks.BankGap());
    SetCapacities({0, 5, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_FALSE(checks.BankGap());
    SetCapacities({5, 5, 5, 5, 5, 5, 5, 5, 5, 0});
    EXPECT_FALSE(checks.BankGap());
    SetCapacities({5, 5, 0, 0, 0, 0, 0, 0, 0, 1});
    EXPECT_TRUE(checks.BankGap());
}

TEST_F(BankChecksTest, ABankHasErrorsWhenOneOfItsUsedChannelsFails) {
    SetCapacities({3, 0, 3, 0, 0, 0, 0, 0, 0, 0});
    for (int p = 0; p < 200; ++p) {
        Put(p, 121'500'000, false);
    }
    Put(1, 121'500'000);
    Put(3, 150'000'000, false);  // blank: not counted
    EXPECT_FALSE(checks.BankHasErrors(0));
    EXPECT_FALSE(checks.BankHasErrors(2));
    Put(5, 150'000'000);
    EXPECT_TRUE(checks.BankHasErrors(2));
    EXPECT_FALSE(checks.BankHasErrors(1)) << "an empty bank after others checks nothing";
    Put(6, 150'000'000);
    EXPECT_FALSE(checks.BankHasErrors(3));
}

TEST_F(BankChecksTest, AnEmptyBankWithNothingBeforeItChecksPositionZero) {
    SetCapacities({0, 3, 0, 0, 0, 0, 0, 0, 0, 0});
    Put(0, 150'000'000);
    EXPECT_TRUE(checks.BankHasErrors(0));
}

TEST_F(BankChecksTest, TheExportListCoversPositionsZeroToNinetyNine) {
    for (int p = 0; p < 200; ++p) {
        Put(p, 121'500'000, false);
    }
    Put(100, 150'000'000);
    EXPECT_FALSE(checks.ListHasErrors());
    Put(99, 150'000'000);
    EXPECT_TRUE(checks.ListHasErrors());
}

}  // namespace
}  // namespace orvane
