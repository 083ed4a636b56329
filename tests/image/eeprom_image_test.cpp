// EepromImage: sizes, the fatal single-byte access, block copies that must not spill
// outside the image, and deep copies.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "image/eeprom_image.h"
#include "support/fatal_trap.h"

namespace orvane {
namespace {

EepromImage MakeImage(std::int32_t size, std::uint8_t fill) {
    EepromImage image;
    image.Resize(size);
    image.Fill(fill);
    return image;
}

TEST(EepromImageTest, ResizeClearsEveryByteEvenWithoutASizeChange) {
    EepromImage image = MakeImage(16, 0xAB);
    const std::uint8_t* before = image.Bytes().data();
    image.Resize(16);
    EXPECT_EQ(image.Size(), 16);
    EXPECT_EQ(image.Bytes().data(), before) << "same size keeps the buffer";
    for (std::uint8_t byte : image.Bytes()) {
        EXPECT_EQ(byte, 0);
    }
    image.Fill(0x55);
    image.Resize(32);
    ASSERT_EQ(image.Size(), 32);
    for (std::uint8_t byte : image.Bytes()) {
        EXPECT_EQ(byte, 0);
    }
}

TEST(EepromImageTest, ZeroOrNegativeSizeLeavesAnEmptyImage) {
    for (std::int32_t size : {0, -1, -8208}) {
        EepromImage image = MakeImage(8, 1);
        image.Resize(size);
        EXPECT_EQ(image.Size(), 0) << size;
        for (std::int32_t address : {-1, 0, 1, 7}) {
            EXPECT_FALSE(image.InRange(address)) << size << " " << address;
        }
        image.Fill(3);  // nothing to fill, nothing to break
        EXPECT_TRUE(image.Bytes().empty());
    }
}

TEST(EepromImageTest, SingleByteAccessOutsideIsFatal) {
    EepromImage image = MakeImage(8208, 0);
    EepromImage empty;
    struct Case {
        const EepromImage* image;
        std::int32_t address;
    };
    for (const Case& c :
         {Case{&image, -1}, Case{&image, 8208}, Case{&image, 0x7FFFFFFF}, Case{&empty, 0}}) {
        EepromImage copy = *c.image;
        EXPECT_FATAL(copy.SetByte(c.address, 1), "Out of EEPROM image address (SetByte).");
        EXPECT_FATAL(copy.GetByte(c.address), "Out of EEPROM image address (GetByte).");
    }
    image.SetByte(0, 0x12);
    image.SetByte(8207, 0x34);
    EXPECT_EQ(image.GetByte(0), 0x12);
    EXPECT_EQ(image.GetByte(8207), 0x34);
}

TEST(EepromImageTest, BlockCopiesHappenOnlyWhenTheWholeBlockFits) {
    struct Case {
        std::int32_t address;
        std::size_t length;
        bool copies;
    };
    const std::int32_t size = 32;
    const Case cases[] = {
        {0, 0, false},   // nothing to copy
        {-1, 4, false},  // starts before the image
        {29, 4, false},  // ends one past the last byte
        {28, 4, true},   // ends exactly at the last byte
        {0, 32, true},   // the whole image
        {0, 33, false},  // one more than the image
        {32, 1, false},  // starts past the end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.address << "+" << c.length);
        const std::vector<std::uint8_t> source(c.length, 0xEE);
        EepromImage image = MakeImage(size, 0x11);
        image.WriteBlock(c.address, source);
        const auto changed = std::count(image.Bytes().begin(), image.Bytes().end(), 0xEE);
        EXPECT_EQ(changed, c.copies ? static_cast<std::ptrdiff_t>(c.length) : 0);

        EepromImage pattern = MakeImage(size, 0x22);
        std::vector<std::uint8_t> destination(c.length, 0x99);
        pattern.ReadBlock(c.address, destination);
        const auto read = std::count(destination.begin(), destination.end(), 0x22);
        EXPECT_EQ(read, c.copies ? static_cast<std::ptrdiff_t>(c.length) : 0);
    }
}

TEST(EepromImageTest, WriteBlockPlacesTheBytesAtTheAddress) {
    EepromImage image = MakeImage(16, 0);
    const std::array<std::uint8_t, 3> bytes{1, 2, 3};
    image.WriteBlock(13, bytes);
    EXPECT_EQ(image.GetByte(12), 0);
    EXPECT_EQ(image.GetByte(13), 1);
    EXPECT_EQ(image.GetByte(15), 3);
    std::array<std::uint8_t, 2> out{};
    image.ReadBlock(14, out);
    EXPECT_EQ(out, (std::array<std::uint8_t, 2>{2, 3}));
}

TEST(EepromImageTest, AssignAndCopiesAreDeep) {
    EepromImage source = MakeImage(64, 0x5A);
    EepromImage target = MakeImage(8, 0x01);
    target.Assign(source);
    EXPECT_TRUE(target.Equals(source));
    source.SetByte(0, 0);
    EXPECT_EQ(target.GetByte(0), 0x5A);

    EepromImage copy = target;
    copy.SetByte(1, 0);
    EXPECT_EQ(target.GetByte(1), 0x5A);

    target.Assign(target);  // assigning an image to itself keeps its bytes
    EXPECT_EQ(target.Size(), 64);
    EXPECT_EQ(target.GetByte(63), 0x5A);

    target.Assign(EepromImage());
    EXPECT_EQ(target.Size(), 0);
}

TEST(EepromImageTest, EqualsNeedsTheSameSizeAndBytes) {
    EepromImage longer = MakeImage(16, 7);
    EepromImage prefix = MakeImage(15, 7);
    EXPECT_FALSE(prefix.Equals(longer));
    EXPECT_FALSE(longer.Equals(prefix));
    EepromImage same = MakeImage(16, 7);
    EXPECT_TRUE(same.Equals(longer));
    same.SetByte(15, 8);
    EXPECT_FALSE(same.Equals(longer));
    EXPECT_TRUE(EepromImage().Equals(EepromImage()));
}

}  // namespace
}  // namespace orvane
