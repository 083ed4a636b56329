// Channel records: what a load decodes, what a store writes and what it leaves alone.

#include <gtest/gtest.h>

#include <random>

#include "radio/channel_store.h"
#include "radio/memory_map.h"
#include "radio_test_support.h"

namespace orvane {
namespace {

using testing::DefaultImage;

class ChannelStoreTest : public ::testing::Test {
protected:
    void SetRecord(int position, std::initializer_list<std::uint8_t> bytes, std::uint8_t flags) {
        int offset = 0;
        for (std::uint8_t b : bytes) {
            image.SetByte(position * 16 + offset++, b);
        }
        image.SetByte(memory_map::kChannelFlags + position, flags);
    }

    EepromImage image = DefaultImage(3);
    ChannelStore store{image, 3};
};

TEST_F(ChannelStoreTest, DecodesEveryFieldOfAMemoryRecord) {
    // TX 0x5C30 = 118.000, RX 0x5C32 = 118.010, WX 4 assigned, inhibit, duplex.
    SetRecord(7,
              {0x30, 0x5C, 0x32, 0x5C, 4, 0xE0 | 0x1F, 'T', 'W', 'R', ' ', ' ', ' ', ' ', ' ', 0x40,
               0x99},
              0x80);
    const MemoryChannel channel = store.Load(MemoryChannel::kMemory, 7);
    EXPECT_TRUE(channel.used);
    EXPECT_EQ(channel.txHz, 118'000'000u);
    EXPECT_EQ(channel.rxHz, 118'010'000u);
    EXPECT_EQ(channel.wx, 4);
    EXPECT_TRUE(channel.txInhibit);
    EXPECT_TRUE(channel.duplex);
    EXPECT_EQ(channel.name, "TWR     ");
    EXPECT_EQ(channel.dotMask, 0x40);
    EXPECT_TRUE(channel.tag);
}

TEST_F(ChannelStoreTest, WxNumbersOutOfRangeOrOnBlankChannelsShowOff) {
    SetRecord(3, {0x30, 0x5C, 0x30, 0x5C, 12, 0x80}, 0x00);
    EXPECT_EQ(store.Load(MemoryChannel::kMemory, 3).wx, MemoryChannel::kWxOff);
    SetRecord(4, {0x30, 0x5C, 0x30, 0x5C, 3, 0x80}, memory_map::kFlagBlank);
    EXPECT_EQ(store.Load(MemoryChannel::kMemory, 4).wx, MemoryChannel::kWxOff);
    SetRecord(5, {0x30, 0x5C, 0x30, 0x5C, 3, 0x00}, 0x00);
    EXPECT_EQ(store.Load(MemoryChannel::kMemory, 5).wx, MemoryChannel::kWxOff);
}

TEST_F(ChannelStoreTest, StoringAnUnreadableWxNumberClearsIt) {
    SetRecord(3, {0x30, 0x5C, 0x30, 0x5C, 12, 0x80}, 0x00);
    MemoryChannel channel = store.Load(MemoryChannel::kMemory, 3);
    store.Store(channel);
    EXPECT_EQ(image.GetByte(3 * 16 + 4), 0);
    EXPECT_EQ(image.GetByte(3 * 16 + 5) & 0x80, 0);
}

TEST_F(ChannelStoreTest, FrequenciesAreTruncatedToFiveKilohertzUnits) {
    MemoryChannel channel = store.Load(MemoryChannel::kMemory, 10);
    channel.rxHz = 118'004'999;
    channel.txHz = 136'999'999;
    store.StoreAndReload(channel);
    EXPECT_EQ(image.GetByte(10 * 16 + 2) | (image.GetByte(10 * 16 + 3) << 8), 23600);
    EXPECT_EQ(channel.rxHz, 118'000'000u);
    EXPECT_EQ(channel.txHz, 136'995'000u);
}

TEST_F(ChannelStoreTest, ABlankChannelKeepsItsFrequenciesAndNameBytes) {
    SetRecord(9, {0x30, 0x5C, 0x32, 0x5C, 0, 0, 'K', 'E', 'E', 'P', ' ', ' ', ' ', ' ', 0}, 0x00);
    MemoryChannel channel = store.Load(MemoryChannel::kMemory, 9);
    channel.used = false;
    store.Store(channel);
    EXPECT_EQ(image.GetByte(memory_map::kChannelFlags + 9) & memory_map::kFlagBlank,
              memory_map::kFlagBlank);
    const MemoryChannel blank = store.Load(MemoryChannel::kMemory, 9);
    EXPECT_FALSE(blank.used);
    EXPECT_EQ(blank.rxHz, 118'010'000u);
    EXPECT_EQ(blank.name, "KEEP    ");
}

TEST_F(ChannelStoreTest, KindsAndPositionsWithoutARecordLoadEmptyAndStoreNothing) {
    const EepromImage before = image;
    for (auto [kind, position] : {std::pair{1, -1}, {1, 200}, {2, 3}, {0, 0}, {6, 0}}) {
        MemoryChannel channel = store.Load(kind, position);
        EXPECT_FALSE(channel.used) << kind << "/" << position;
        EXPECT_EQ(channel.kind, kind);
        channel.used = true;
        channel.rxHz = 120'000'000;
        store.Store(channel);
    }
    MemoryChannel defaults = store.Load(MemoryChannel::kDefault, 0);
    defaults.rxHz = 130'000'000;
    store.Store(defaults);
    EXPECT_TRUE(image.Equals(before));
}

TEST_F(ChannelStoreTest, TheDefaultChannelIsRecordOneOfTheModelsDefaultImage) {
    image.Fill(0);
    const MemoryChannel channel = store.Load(MemoryChannel::kDefault, 0);
    EXPECT_TRUE(channel.used);
    EXPECT_TRUE(channel.tag);
    EXPECT_EQ(channel.rxHz, 118'000'000u);
    EXPECT_EQ(channel.name, "--------");
}

TEST_F(ChannelStoreTest, TheHomeVfoRecordDropsWhatItCannotHold) {
    MemoryChannel vfo = store.Load(MemoryChannel::kHomeVfo, 0);
    vfo.rxHz = 110'000'000;
    vfo.txHz = 119'000'000;
    vfo.duplex = true;
    vfo.txInhibit = true;
    vfo.wx = 2;
    vfo.name = "NAME    ";
    vfo.dotMask = 0x10;
    store.StoreAndReload(vfo);
    EXPECT_EQ(vfo.rxHz, 110'000'000u);
    EXPECT_EQ(vfo.txHz, 119'000'000u);
    EXPECT_TRUE(vfo.duplex);
    EXPECT_FALSE(vfo.txInhibit);
    EXPECT_EQ(vfo.wx, MemoryChannel::kWxOff);
    EXPECT_EQ(vfo.name, "        ");
    EXPECT_EQ(vfo.dotMask, 0);
}

// For every position: storing random field values and loading them back gives the same
// channel, and the bits a record keeps for the radio are unchanged.
TEST_F(ChannelStoreTest, StoreThenLoadGivesBackEveryFieldAndKeepsTheRadiosBits) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> byteValue(0, 255);
    std::uniform_int_distribution<int> units(1, 59998);
    for (int i = 0; i < 4000; ++i) {
        image.SetByte(i, static_cast<std::uint8_t>(byteValue(random)));
    }
    for (int position = 0; position < memory_map::kChannelCount; ++position) {
        for (int round = 0; round < 4; ++round) {
            const std::int32_t base = position * 16;
            const std::uint8_t kept5 = image.GetByte(base + 5) & 0x1F;
            const std::uint8_t kept15 = image.GetByte(base + 15);
            const std::uint8_t keptFlags =
                image.GetByte(memory_map::kChannelFlags + position) & 0x3F;

            MemoryChannel channel;
            channel.kind = MemoryChannel::kMemory;
            channel.position = position;
            channel.used = round != 3;
            channel.rxHz = static_cast<Hertz>(units(random)) * 5000;
            channel.txHz = static_cast<Hertz>(units(random)) * 5000;
            for (char& c : channel.name) {
                c = static_cast<char>(byteValue(random));
            }
            channel.dotMask = static_cast<std::uint8_t>(byteValue(random));
            channel.duplex = (byteValue(random) & 1) != 0;
            channel.txInhibit = (byteValue(random) & 1) != 0;
            // A blank channel has no WX channel to give back.
            channel.wx = round == 0 || round == 3 ? MemoryChannel::kWxOff : byteValue(random) % 10;
            channel.tag = (byteValue(random) & 1) != 0;
            store.Store(channel);

            EXPECT_EQ(store.Load(MemoryChannel::kMemory, position), channel)
                << position << "/" << round;
            EXPECT_EQ(image.GetByte(base + 5) & 0x1F, kept5);
            EXPECT_EQ(image.GetByte(base + 15), kept15);
            EXPECT_EQ(image.GetByte(memory_map::kChannelFlags + position) & 0x3F, keptFlags);
        }
    }
}

}  // namespace
}  // namespace orvane
