// Range lists: the list rules, and the tables against the decimal lists the clone
// commands publish, so both descriptions come out of one set of tables.

#include <gtest/gtest.h>

#include <vector>

#include "image/range_tables.h"

namespace orvane {
namespace {

using Ranges = std::vector<AddressRange>;

Ranges Active(std::span<const AddressRange> list) {
    const auto active = ActiveRanges(list);
    return Ranges(active.begin(), active.end());
}

// The seventeen 32-byte pieces of 4000..4543.
Ranges ExtensionPieces() {
    Ranges pieces;
    for (int start = 4000; start <= 4543; start += 32) {
        pieces.push_back({start, start + 31});
    }
    return pieces;
}

Ranges Join(Ranges head, const Ranges& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(RangeTablesTest, TablesMatchTheDecimalLists) {
    const Ranges shortList{{0, 3435}, {3488, 3689}, {3711, 3983}, {3992, 3999}};
    const Ranges shortExpert{{0, 3689}, {3711, 3999}};
    const Ranges longList =
        Join(Join({{0, 3435}, {3488, 3689}, {3711, 3983}}, ExtensionPieces()), {{3992, 3999}});
    const Ranges longExpert =
        Join(Join({{0, 3689}, {3711, 3991}}, ExtensionPieces()), {{3992, 3999}});
    EXPECT_EQ(Active(FileRanges()), (Ranges{{0, 3999}}));
    EXPECT_EQ(Active(ReadRanges()), (Ranges{{0, 3999}}));
    EXPECT_EQ(Active(WriteRanges()), shortList);
    EXPECT_EQ(Active(ExpertWriteRanges()), shortExpert);
    EXPECT_EQ(Active(ExtendedWriteRanges()), longList);
    EXPECT_EQ(Active(ExtendedExpertWriteRanges()), longExpert);
}

TEST(RangeTablesTest, EveryTableClosesWithTheEndMarkerAndCountsItsBytes) {
    struct Case {
        std::span<const AddressRange> list;
        std::int64_t bytes;
    };
    const Case cases[] = {
        {FileRanges(), 4000},
        {ReadRanges(), 4000},
        {WriteRanges(), 3436 + 202 + 273 + 8},
        {ExpertWriteRanges(), 3690 + 289},
        {ExtendedWriteRanges(), 3436 + 202 + 273 + 8 + 544},
        {ExtendedExpertWriteRanges(), 3690 + 281 + 544 + 8},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.list.back(), kEndOfRanges);
        EXPECT_EQ(ActiveRanges(c.list).size(), c.list.size() - 1);
        EXPECT_EQ(RangeByteCount(c.list), c.bytes);
    }
}

TEST(RangeTablesTest, AListEndsAtItsFirstReversedEntry) {
    const AddressRange list[] = {{0, 9}, {20, 20}, {7, 6}, {30, 39}, kEndOfRanges};
    EXPECT_EQ(Active(list), (Ranges{{0, 9}, {20, 20}}));
    EXPECT_EQ(RangeByteCount(list), 11);

    const AddressRange unterminated[] = {{0, 0}, {5, 6}};
    EXPECT_EQ(RangeByteCount(unterminated), 3);
    EXPECT_TRUE(ActiveRanges({}).empty());
    const AddressRange onlyMarker[] = {kEndOfRanges};
    EXPECT_EQ(RangeByteCount(onlyMarker), 0);
}

}  // namespace
}  // namespace orvane
