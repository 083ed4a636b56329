// Bank arithmetic over the 200 shared positions, moving records, the home channel
// clamp and the bank display name.

#include <gtest/gtest.h>

#include <array>

#include "radio/bank_table.h"
#include "radio/channel_array.h"
#include "radio/memory_map.h"
#include "radio_test_support.h"

namespace orvane {
namespace {

using testing::DefaultImage;

class BankTableTest : public ::testing::Test {
protected:
    void SetCapacities(std::array<int, 10> capacities) {
        for (int b = 0; b < 10; ++b) {
            banks.SetBankCapacity(b, capacities[static_cast<std::size_t>(b)]);
        }
    }
    void MarkUsed(int position, bool used) {
        const std::int32_t address = memory_map::kChannelFlags + position;
        const std::uint8_t flags = image.GetByte(address);
        image.SetByte(address, static_cast<std::uint8_t>(used ? flags & ~memory_map::kFlagBlank
                                                              : flags | memory_map::kFlagBlank));
    }
    // Tags the record at `position` with a recognisable first byte.
    void Label(int position, std::uint8_t label) { image.SetByte(position * 16, label); }
    std::uint8_t LabelAt(int position) const { return image.GetByte(position * 16); }

    EepromImage image = DefaultImage(3);
    BankTable banks{image};
    ChannelArray channels{image, 3};
};

TEST_F(BankTableTest, BanksAreConsecutiveRunsOfPositions) {
    SetCapacities({5, 0, 3, 0, 0, 0, 0, 0, 0, 100});
    struct Case {
        int bank, capacity, first, last;
    };
    const Case cases[] = {{0, 5, 0, 4},     {1, 0, 5, 4},  {2, 3, 5, 7},     {3, 0, 8, 7},
                          {9, 100, 8, 107}, {-1, 0, 0, 0}, {10, 0, 108, 107}};
    for (const Case& c : cases) {
        EXPECT_EQ(banks.BankCapacity(c.bank), c.capacity) << c.bank;
        EXPECT_EQ(banks.BankFirst(c.bank), c.first) << c.bank;
        EXPECT_EQ(banks.BankLast(c.bank), c.last) << c.bank;
    }
    EXPECT_EQ(banks.TotalCapacity(), 108);
    banks.SetBankCapacity(10, 7);
    banks.SetBankCapacity(-1, 7);
    EXPECT_EQ(banks.TotalCapacity(), 108);
}

TEST_F(BankTableTest, AnEmptyFirstBankEndsAtPositionZero) {
    SetCapacities({0, 4, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(banks.BankLast(0), 0);
}

TEST_F(BankTableTest, CountsUsedChannelsPerBankAndInAll) {
    SetCapacities({5, 0, 3, 0, 0, 0, 0, 0, 0, 0});
    for (int p = 0; p < 200; ++p) {
        MarkUsed(p, false);
    }
    for (int p : {0, 4, 5, 7, 8, 150}) {
        MarkUsed(p, true);
    }
    EXPECT_EQ(banks.UsedInBank(0), 2);
    EXPECT_EQ(banks.UsedInBank(1), 0);
    EXPECT_EQ(banks.UsedInBank(2), 2);
    EXPECT_EQ(banks.TotalUsed(), 4) << "positions outside every bank do not count";
}

TEST_F(BankTableTest, InsertMovesLaterRecordsUpAndDropsTheLast) {
    for (int p = 0; p < 200; ++p) {
        Label(p, static_cast<std::uint8_t>(p));
        MarkUsed(p, true);
    }
    channels.InsertBlank(10);
    EXPECT_EQ(LabelAt(9), 9);
    EXPECT_EQ(LabelAt(11), 10);
    EXPECT_EQ(LabelAt(199), 198);
    EXPECT_FALSE(channels.IsUsed(10));
    EXPECT_TRUE(channels.IsUsed(11));
    // The blank record is the default image's record at that position.
    EXPECT_EQ(LabelAt(10), DefaultCloneArea(3)[10 * 16]);
}

TEST_F(BankTableTest, DeleteMovesLaterRecordsDownAndBlanksTheLast) {
    for (int p = 0; p < 200; ++p) {
        Label(p, static_cast<std::uint8_t>(p));
        MarkUsed(p, true);
    }
    channels.Delete(10);
    EXPECT_EQ(LabelAt(10), 11);
    EXPECT_EQ(LabelAt(198), 199);
    EXPECT_FALSE(channels.IsUsed(199));
    EXPECT_TRUE(channels.IsUsed(198));
    channels.Delete(200);
    channels.InsertBlank(-1);
    EXPECT_EQ(LabelAt(10), 11);
}

TEST_F(BankTableTest, BlankingStoresTheDefaultChannelAndKeepsThePositionsOwnBits) {
    // Position 30 of the default image is erased memory: 16 x FF with flags C0. A used
    // channel there has bits of the radio's own in byte 5 (low bits), byte 15 and the
    // flag byte's low bits.
    for (int k = 0; k < 16; ++k) {
        image.SetByte(30 * 16 + k, 0x00);
    }
    image.SetByte(30 * 16 + 4, 3);     // WX channel 4 ...
    image.SetByte(30 * 16 + 5, 0x95);  // ... assigned, radio bits 0x15
    image.SetByte(30 * 16 + 15, 0xAB);
    image.SetByte(memory_map::kChannelFlags + 30, 0x25);
    channels.Blank(30);
    const std::array<std::uint8_t, 16> expected = {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x75, 0xFF, 0xFF,
                                                   0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xAB};
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(image.GetByte(30 * 16 + k), expected[static_cast<std::size_t>(k)]) << k;
    }
    EXPECT_EQ(image.GetByte(memory_map::kChannelFlags + 30), 0xE5) << "blank, tagged as stored";
}

TEST_F(BankTableTest, EveryMoveCarriesTheWholeRecordWithItsFlags) {
    // Byte 15 and the flag byte's low bits belong to the radio; they travel with the label.
    for (int p = 0; p < 200; ++p) {
        Label(p, static_cast<std::uint8_t>(p));
        image.SetByte(p * 16 + 15, static_cast<std::uint8_t>(p ^ 0x5A));
        image.SetByte(memory_map::kChannelFlags + p, static_cast<std::uint8_t>(p & 0x3F));
    }
    auto carried = [this](int position) {
        const int label = LabelAt(position);
        return image.GetByte(position * 16 + 15) == (label ^ 0x5A) &&
               image.GetByte(memory_map::kChannelFlags + position) == (label & 0x3F);
    };
    channels.InsertBlank(10);
    channels.Delete(50);
    channels.Rotate(100, 103, 105);
    EXPECT_EQ(LabelAt(11), 10);
    EXPECT_EQ(LabelAt(50), 50) << "50 moved to 51 by the insert, back by the delete";
    EXPECT_EQ(LabelAt(100), 103);
    EXPECT_EQ(LabelAt(102), 100);
    EXPECT_EQ(LabelAt(104), 102);
    for (int p : {11, 50, 100, 101, 102, 103, 104, 198}) {
        EXPECT_TRUE(carried(p)) << p;
    }
    channels.Rotate(195, 230, 260);  // nothing to bring forward from past the last record
    EXPECT_EQ(LabelAt(195), 195);
}

TEST_F(BankTableTest, TheHomeChannelOfEachBankStaysInsideIt) {
    SetCapacities({5, 0, 3, 1, 0, 0, 0, 0, 0, 0});
    const std::array<int, 10> before = {4, 0, 9, 0, 0, 3, 3, 3, 3, 3};
    for (int b = 0; b < 10; ++b) {
        image.SetByte(memory_map::kHomeChannels + b,
                      static_cast<std::uint8_t>(before[static_cast<std::size_t>(b)]));
    }
    banks.ClampBankCursor();
    const std::array<int, 10> after = {4, 1, 2, 0, 1, 1, 1, 1, 1, 1};
    for (int b = 0; b < 10; ++b) {
        EXPECT_EQ(image.GetByte(memory_map::kHomeChannels + b), after[static_cast<std::size_t>(b)])
            << b;
    }
}

TEST_F(BankTableTest, DisplayNameShowsTheDigitAndTheNameWithPoints) {
    const std::string name =
        "AB\x01"
        "C    ";
    for (int i = 0; i < 8; ++i) {
        image.SetByte(memory_map::kBankNames + 3 * 8 + i,
                      static_cast<std::uint8_t>(name[static_cast<std::size_t>(i)]));
    }
    image.SetByte(memory_map::kBankNameDots + 3, 0x40);
    EXPECT_EQ(banks.BankDisplayName(3, false), "3: AB. C           ");
    EXPECT_EQ(banks.BankDisplayName(3, true), " 3: AB. C           ");
    EXPECT_EQ(banks.BankName(3), banks.BankDisplayName(3, false));
}

}  // namespace
}  // namespace orvane
