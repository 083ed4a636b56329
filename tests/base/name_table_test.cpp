#include "base/name_table.h"

#include <gtest/gtest.h>

#include "support/fatal_trap.h"

namespace orvane {
namespace {

TEST(NameHashTest, FollowsTheShiftingStepRule) {
    EXPECT_EQ(NameHash("", 1031), 0u);
    // n = 101, s = 50. 'A' (65): h = 0 + 50 + 65 = 115; next byte 'C' (67) is odd, so
    // s = 25. 'C': h = 230 + 25 + 67 = 322 -> 322 % 101 = 19.
    EXPECT_EQ(NameHash("AC", 101), 19u);
    // 'B' (66) is even: s stays 50 for the second byte: h = 2*116 + 50 + 66 = 348 -> 45.
    EXPECT_EQ(NameHash("BB", 101), 45u);
    // s halves to 0 and starts again at n/2: n = 4, s = 2 -> 1 -> 0, so 2 again.
    // 'a' (97): h = 99, next 'a' odd: s = 1. 'a': h = 198 + 1 + 97 = 296, next 'a' odd:
    // s = 2. 'a': h = 592 + 2 + 97 = 691, next 'b' even. 'b': h = 1382 + 2 + 98 = 1482.
    EXPECT_EQ(NameHash("aaab", 4), 1482u % 4);
}

TEST(NameHashTest, BytesAboveAsciiCountAsSigned) {
    // 0xE9 as a signed byte is -23: h = 50 - 23 = 27.
    EXPECT_EQ(NameHash("\xE9", 101), 27u);
}

TEST(NameTableTest, FindsExactCaseSensitiveNames) {
    NameTable table(101);
    table.Insert("clRed", 1);
    table.Insert("clred", 2);
    EXPECT_EQ(table.Find("clRed"), 1);
    EXPECT_EQ(table.Find("clred"), 2);
    EXPECT_EQ(table.Find("CLRED"), std::nullopt);
    EXPECT_EQ(table.Find(""), std::nullopt);
}

TEST(NameTableTest, DuplicateNameIsFatal) {
    NameTable table(101);
    table.Insert("clRed", 1);
    EXPECT_FATAL(table.Insert("clRed", 2), "Overlapped Hash table.");
    EXPECT_EQ(table.Find("clRed"), 1);
}

TEST(NameTableTest, ZeroBucketsMeansDefault) {
    EXPECT_EQ(NameTable(0).BucketCount(), 1031u);
    // Many names in few buckets still resolve through the chains.
    NameTable small(3);
    for (int i = 0; i < 200; ++i)
        small.Insert("name" + std::to_string(i), i);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(small.Find("name" + std::to_string(i)), i);
}

}  // namespace
}  // namespace orvane
