#include "base/cmc_buff.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "support/fatal_trap.h"

namespace orvane {
namespace {

std::vector<std::uint8_t> Held(const cmcBuff& buffer) {
    return std::vector<std::uint8_t>(buffer.Data(), buffer.Data() + buffer.Length());
}

TEST(CmcBuffTest, PopFrontOnEmptyBufferChangesNothing) {
    cmcBuff buffer;
    EXPECT_EQ(buffer.PopFront(), -1);
    EXPECT_EQ(buffer.Length(), 0);
    EXPECT_EQ(buffer.Capacity(), 1);
}

TEST(CmcBuffTest, GrowthFillsWithZeroAndKeepsQuarterHeadroom) {
    cmcBuff buffer;
    const std::uint8_t bytes[] = {1, 2, 3, 4, 5, 6, 7, 8};
    buffer.Assign(bytes, 8);
    buffer.SetLength(12);
    EXPECT_EQ(buffer.Capacity(), 12 + 8 / 4);
    EXPECT_EQ(Held(buffer), (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0}));
}

TEST(CmcBuffTest, AppendVariantsConcatenate) {
    cmcBuff a;
    a.AppendByte(0xFE);
    a.AppendFill(0xAA, 3);
    cmcBuff b;
    const std::uint8_t tail[] = {0x01, 0xFD};
    b.Append(tail, 2);
    a.AppendBuffer(b);
    EXPECT_EQ(Held(a), (std::vector<std::uint8_t>{0xFE, 0xAA, 0xAA, 0xAA, 0x01, 0xFD}));
    cmcBuff copy;
    copy.Copy(a);
    EXPECT_EQ(Held(copy), Held(a));
}

TEST(CmcBuffTest, ManyPopsCompactAndKeepTheRest) {
    std::vector<std::uint8_t> data(6000);
    std::iota(data.begin(), data.end(), 0);  // wraps every 256
    cmcBuff buffer;
    buffer.Assign(data.data(), static_cast<std::int32_t>(data.size()));
    for (int i = 0; i < 5000; ++i) {
        ASSERT_EQ(buffer.PopFront(), data[static_cast<std::size_t>(i)]);
    }
    // Compaction after 4097 pops left exactly the held bytes, then 903 more pops.
    EXPECT_EQ(buffer.Length(), 1000);
    EXPECT_EQ(buffer.Capacity(), 6000 - 4097 - (5000 - 4097));
    EXPECT_EQ(Held(buffer), std::vector<std::uint8_t>(data.begin() + 5000, data.end()));
}

TEST(CmcBuffTest, IndexOutsideHeldBytesIsFatal) {
    cmcBuff buffer;
    buffer.AppendByte(7);
    EXPECT_EQ(buffer.At(0), 7);
    EXPECT_FATAL(buffer.At(1), "Out of cmcBuff element !");
    EXPECT_FATAL(buffer.At(-1), "Out of cmcBuff element !");
}

TEST(CmcBuffTest, ClearReleasesEverything) {
    cmcBuff buffer;
    buffer.AppendFill(9, 100);
    buffer.Clear();
    EXPECT_EQ(buffer.Length(), 0);
    EXPECT_EQ(buffer.Capacity(), 1);
}

}  // namespace
}  // namespace orvane
