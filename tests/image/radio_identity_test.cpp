// The identity a radio reports, read field by field: where each field sits, the model
// type its flags make and the version number of its version text.

#include "image/radio_identity.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace orvane {
namespace {

struct IdentityFields {
    std::string comment = "TOWER ONE  12345";
    std::uint8_t flagsA = 0x0C;
    std::uint8_t flagsB = 0xFF;
    std::uint8_t flagsC = 0xFF;
    std::string firmware = "3.01";
    std::string version = "0.99";
};

RadioIdentity Identity(const IdentityFields& fields) {
    std::array<std::uint8_t, RadioIdentity::kSize> bytes{};
    std::copy(fields.comment.begin(), fields.comment.end(), bytes.begin());
    bytes[16] = fields.flagsA;
    bytes[17] = fields.flagsB;
    bytes[18] = fields.flagsC;
    std::copy(fields.firmware.begin(), fields.firmware.end(), bytes.begin() + 19);
    std::copy(fields.version.begin(), fields.version.end(), bytes.begin() + 23);
    return RadioIdentity(bytes);
}

std::string Text(std::span<const std::uint8_t> field) { return {field.begin(), field.end()}; }

TEST(RadioIdentityTest, FieldsSitWhereTheRadioPutsThem) {
    const RadioIdentity identity = Identity({});
    EXPECT_EQ(Text(identity.Comment()), "TOWER ONE  12345");
    EXPECT_EQ(Text(identity.Firmware()), "3.01");
    EXPECT_EQ(Text(identity.VersionText()), "0.99");

    // Before any radio has answered everything reads as zero.
    const RadioIdentity none;
    EXPECT_EQ(Text(none.Comment()), std::string(16, '\0'));
    EXPECT_EQ(none.ModelType(), 0);
    EXPECT_EQ(none.VersionNumber(), RadioIdentity::kUnreadableVersion);
}

TEST(RadioIdentityTest, ModelTypeComesFromFlagsAOnly) {
    struct Case {
        std::uint8_t flagsA;
        int modelType;
        bool vor;
        bool wx;
        bool exportVariant;
    };
    const Case cases[] = {
        {0x0C, 3, true, true, false},    // HT-Lk1
        {0x00, 0, false, false, false},  // HT-Lk2
        {0x01, 4, false, false, true},   // HT-Lk1S/Lk2S
        {0x04, 1, true, false, false},
        {0x08, 2, false, true, false},
        {0x05, 5, true, false, true},
        {0x0D, 7, true, true, true},
        // Option A1, duplex, name display and TOT-off do not change the type.
        {0x7E, 3, true, true, false},
        {0xF2, 0, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.flagsA));
        for (std::uint8_t other : {0x00, 0xFF}) {
            const RadioIdentity identity =
                Identity({.flagsA = c.flagsA, .flagsB = other, .flagsC = other});
            EXPECT_EQ(identity.ModelType(), c.modelType);
            EXPECT_EQ(identity.Vor(), c.vor);
            EXPECT_EQ(identity.Wx(), c.wx);
            EXPECT_EQ(identity.ExportVariant(), c.exportVariant);
        }
    }
}

TEST(RadioIdentityTest, VersionNumberOfDigitPointDigitDigit) {
    struct Case {
        std::string version;
        std::uint32_t number;
    };
    const Case cases[] = {
        {"0.99", 0x303939},
        {"1.02", 0x313032},
        {"9.00", 0x393030},
        // Any other shape counts as "000".
        {"0x99", 0x303030},
        {"1-00", 0x303030},
        {"09.9", 0x303030},
        {"1.0 ", 0x303030},
        {"A.00", 0x303030},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Identity({.version = c.version}).VersionNumber(), c.number) << c.version;
    }
    EXPECT_EQ(DigitVersion('1', '0', '0'), 0x313030u);
}

}  // namespace
}  // namespace orvane
