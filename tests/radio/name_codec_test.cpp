// Names: normalising typed text, and the eight characters with a dot mask behind the
// sixteen-character display.

#include <gtest/gtest.h>

#include "radio/name_codec.h"

namespace orvane {
namespace {

struct NormaliseCase {
    std::string in;
    NameRules rules;
    std::string out;
};

TEST(NormaliseNameTest, KeepsWhatTheRadioShowsAndAppliesTheDashRules) {
    const NameRules opening{false, false, false};
    const NameRules allDashes{false, false, true};
    const NormaliseCase cases[] = {
        {"ab.c            ", kChannelNameRules, "AB.C            "},
        {"Tower-1!        ", kChannelNameRules, "TOWER-1         "},
        {"--------        ", kChannelNameRules, "                "},
        {"-------         ", kChannelNameRules, "-------         "},
        {"--------.       ", kChannelNameRules, "--------.       "},
        {"a.b     ", opening, "A B     "},
        {"?%& *  ~", allDashes, "--------"},
        {"?%& *  A", allDashes, "       A"},
        {"hello~  ", opening, "HELLO   "},
    };
    for (const NormaliseCase& c : cases) {
        std::string text = c.in;
        NormaliseName(text, c.rules);
        EXPECT_EQ(text, c.out) << "'" << c.in << "'";
    }
}

struct PackCase {
    std::string display;
    std::string characters;
    std::uint8_t mask;
};

TEST(PackNameTest, PointsAfterCharactersBecomeDotsOthersBlanks) {
    const PackedName blank{std::string(8, ' '), 0};
    const PackCase cases[] = {
        {"AB.C            ", "ABC     ", 0x40}, {"A.B.C.D.E.F.G.H.", "ABCDEFGH", 0xFF},
        {".ABC            ", " ABC    ", 0x00}, {"A..B            ", "A B     ", 0x80},
        {"ABCDEFGHIJ      ", "ABCDEFGH", 0x00}, {"                ", "        ", 0x00},
    };
    for (const PackCase& c : cases) {
        const PackedName packed = PackName(c.display, blank);
        EXPECT_EQ(packed.characters, c.characters) << "'" << c.display << "'";
        EXPECT_EQ(packed.dotMask, c.mask) << "'" << c.display << "'";
    }
}

TEST(PackNameTest, PositionsTheTextDoesNotFillKeepTheirCharacters) {
    const PackedName packed = PackName("AB", {"WXYZWXYZ", 0x01});
    EXPECT_EQ(packed.characters, "ABYZWXYZ");
    EXPECT_EQ(packed.dotMask, 0);
}

TEST(UnpackNameTest, WritesThePointsOutAndFillsToSixteen) {
    EXPECT_EQ(UnpackName("ABC     ", 0x40), "AB.C            ");
    EXPECT_EQ(UnpackName("ABCDEFGH", 0xFF), "A.B.C.D.E.F.G.H.");
    EXPECT_EQ(UnpackName("--------", 0x00), "--------        ");
}

TEST(NameRoundTripTest, EveryDotMaskOfAFullNameSurvivesUnpackAndPack) {
    for (int mask = 0; mask < 256; ++mask) {
        const std::string display = UnpackName("ABCDEFGH", static_cast<std::uint8_t>(mask));
        const PackedName packed = PackName(display, {std::string(8, ' '), 0});
        EXPECT_EQ(packed.characters, "ABCDEFGH") << mask;
        EXPECT_EQ(packed.dotMask, mask);
    }
}

}  // namespace
}  // namespace orvane
