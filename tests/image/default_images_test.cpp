// The default images, the extension block and the model version, checked byte for byte
// against an independent transcription of the published layout.

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "image/default_images.h"
#include "image/eeprom_image.h"
#include "image/extension_block.h"
#include "image/model_version.h"
#include "support/fatal_trap.h"

namespace orvane {
namespace {

struct Run {
    int first;
    std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> Repeat(std::uint8_t value, int count) {
    return std::vector<std::uint8_t>(static_cast<std::size_t>(count), value);
}

std::vector<std::uint8_t> Join(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> joined;
    for (const auto& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

const std::vector<std::uint8_t> kBlank{0x30, 0x5C, 0x30, 0x5C, 0,    0,    0x2D, 0x2D,
                                       0x2D, 0x2D, 0x2D, 0x2D, 0x2D, 0x2D, 0,    0};
const std::vector<std::uint8_t> kBlankHead(kBlank.begin(), kBlank.begin() + 14);
const std::vector<std::uint8_t> kSettings{2, 5, 0, 1, 0, 2, 0, 0, 2, 0, 0x12, 2};
const std::vector<std::uint8_t> kSwitches{0, 0, 1, 0, 1, 0, 0, 1, 0, 0,
                                          0, 0, 0, 1, 0, 0, 0, 0, 0, 0};
const std::vector<std::uint8_t> kHome =
    Join({kBlankHead, Repeat(0, 4), Repeat(1, 10), {0x80, 0x00, 0xFF, 0xFF}});

// Image 0 as the published runs, in address order; every address is covered once.
std::vector<std::uint8_t> ExpectedImage0() {
    std::vector<std::uint8_t> banks = Repeat(0xFF, 0xC80);
    std::vector<std::uint8_t> flags = Repeat(0xC0, 200);
    for (int k = 0; k < 10; ++k) {
        std::copy(kBlank.begin(), kBlank.end(), banks.begin() + 0x010 + k * 0x140);
        flags[static_cast<std::size_t>(1 + 20 * k)] = 0x80;
    }
    std::string identity(18, ' ');
    identity += "ZELK  30740001";
    const Run runs[] = {
        {0x000, banks},
        {0xC80, flags},
        {0xD48, Repeat(0xFF, 8)},
        {0xD50, Repeat(0x80, 10)},
        {0xD5A, Repeat(0xFF, 6)},
        {0xD60, kSettings},
        {0xD6C, Repeat(0xFF, 0x14)},
        {0xD80, Join({kSwitches, {0x00}})},
        {0xD95, Repeat(0xFF, 11)},
        {0xDA0, kHome},
        {0xDC0, kBlank},
        {0xDD0, kSettings},
        {0xDDC, kSwitches},
        {0xDF0, Repeat(0xFF, 16)},
        {0xE00, Repeat(0x2D, 80)},
        {0xE50, Repeat(0x00, 10)},
        {0xE5A, Repeat(0xFF, 6)},
        {0xE60, Repeat(0x14, 10)},
        {0xE6A, Repeat(0xFF, 0x16)},
        {0xE80, kHome},
        {0xEA0, Join({kBlankHead, Repeat(0x00, 4)})},
        {0xEB2, Repeat(0xFF, 0xF80 - 0xEB2)},
        {0xF80, std::vector<std::uint8_t>(identity.begin(), identity.end())},
    };
    std::vector<std::uint8_t> image;
    for (const Run& run : runs) {
        EXPECT_EQ(static_cast<int>(image.size()), run.first) << "runs must be contiguous";
        image.insert(image.end(), run.bytes.begin(), run.bytes.end());
    }
    return image;
}

std::vector<std::uint8_t> Bytes(CloneAreaBytes area) { return {area.begin(), area.end()}; }

std::map<int, std::uint8_t> Differences(CloneAreaBytes base, CloneAreaBytes other) {
    std::map<int, std::uint8_t> differences;
    for (std::size_t i = 0; i < base.size(); ++i) {
        if (base[i] != other[i]) {
            differences[static_cast<int>(i)] = other[i];
        }
    }
    return differences;
}

TEST(DefaultImagesTest, ImageZeroMatchesThePublishedRuns) {
    const std::vector<std::uint8_t> expected = ExpectedImage0();
    ASSERT_EQ(expected.size(), 4000u);
    const std::vector<std::uint8_t> actual = Bytes(DefaultCloneArea(0));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(actual[i], expected[i]) << "address 0x" << std::hex << i;
    }
}

TEST(DefaultImagesTest, OtherTypesDifferOnlyWhereListed) {
    std::map<int, std::uint8_t> exportDifferences;
    for (int k = 1; k <= 9; ++k) {
        for (int i = 0; i < 16; ++i) {
            if (kBlank[static_cast<std::size_t>(i)] != 0xFF) {
                exportDifferences[0x010 + k * 0x140 + i] = 0xFF;
            }
        }
        exportDifferences[0xC95 + 20 * (k - 1)] = 0xC0;
    }
    exportDifferences[0xD6B] = 0x00;
    for (int a = 0xDB3; a <= 0xDBB; ++a) {
        exportDifferences[a] = 0x00;
    }
    exportDifferences[0xDDB] = 0x00;
    exportDifferences[0xE60] = 0x64;
    for (int a = 0xE61; a <= 0xE69; ++a) {
        exportDifferences[a] = 0x00;
    }
    for (int a = 0xE93; a <= 0xE9B; ++a) {
        exportDifferences[a] = 0x00;
    }
    const std::map<int, std::uint8_t> expected[8] = {
        {},
        {{0xEB0, 0x02}},
        {{0xEB0, 0x02}},
        {{0xEB0, 0x04}},
        exportDifferences,
        exportDifferences,
        exportDifferences,
        exportDifferences,
    };
    for (int type = 0; type < 8; ++type) {
        EXPECT_EQ(Differences(DefaultCloneArea(0), DefaultCloneArea(type)), expected[type])
            << "model type " << type;
    }
}

TEST(DefaultImagesTest, UnknownTypesUseImageZero) {
    for (int type : {-1, 8, 255, 1000}) {
        EXPECT_EQ(Bytes(DefaultCloneArea(type)), Bytes(DefaultCloneArea(0))) << type;
    }
}

TEST(DefaultImagesTest, PrepareReplacesTheCloneAreaAndKeepsTheRest) {
    EepromImage image;
    image.Resize(8208);
    image.Fill(0x77);
    PrepareDefaultImage(image, 4);
    EXPECT_EQ(Bytes(DefaultCloneArea(4)),
              std::vector<std::uint8_t>(image.Bytes().begin(), image.Bytes().begin() + 4000));
    EXPECT_EQ(image.GetByte(4000), 0x77);
    EXPECT_EQ(image.GetByte(8207), 0x77);

    EepromImage tooSmall;
    tooSmall.Resize(100);
    EXPECT_FATAL(PrepareDefaultImage(tooSmall, 0), "Out of EEPROM image address (SetByte).");
}

TEST(DefaultImagesTest, ExtensionBlockHoldsOnlyTheListedBytes) {
    std::vector<std::uint8_t> expected(544, 0);
    const std::map<int, std::uint8_t> listed = {
        {0xFA0, 0xFC}, {0xFA1, 0x19}, {0xFA2, '3'},  {0xFA3, '.'},   {0xFA4, '0'},
        {0xFA5, '1'},  {0xFA6, '1'},  {0xFA7, '.'},  {0xFA8, '0'},   {0xFA9, '0'},
        {0xFAA, 0x1E}, {0xFAB, 0xBB}, {0xFC0, 0x10}, {0xFC1, 0x20},  {0xFC3, 0xB1},
        {0xFC4, 0x9B}, {0xFC5, 0xBC}, {0xFC6, 0x1E}, {0x11BD, 0x9B}, {0x11BF, 0xF6},
    };
    for (const auto& [address, value] : listed) {
        expected[static_cast<std::size_t>(address - 0xFA0)] = value;
    }
    const auto block = ExtensionBlock();
    EXPECT_EQ(std::vector<std::uint8_t>(block.begin(), block.end()), expected);
}

TEST(ModelVersionTest, TypesOneToSevenAddOneOthersGiveOne) {
    const std::pair<int, std::uint32_t> cases[] = {{-1, 1}, {0, 1}, {1, 2}, {3, 4},
                                                   {4, 5},  {7, 8}, {8, 1}, {255, 1}};
    for (const auto& [type, version] : cases) {
        EXPECT_EQ(ModelVersion(type), version) << type;
    }
    EXPECT_EQ(kModelCode, 0x3074u);
}

}  // namespace
}  // namespace orvane
