// The choice between the plain and the extended write lists, by the firmware identity
// and version the radio reports.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "image/eeprom_image.h"
#include "image/extension_block.h"
#include "image/range_tables.h"
#include "image/write_range_choice.h"

namespace orvane {
namespace {

RadioIdentity Identity(const std::string& firmware, const std::string& version) {
    std::array<std::uint8_t, RadioIdentity::kSize> bytes{};
    bytes.fill(' ');
    std::copy(firmware.begin(), firmware.end(), bytes.begin() + 19);
    std::copy(version.begin(), version.end(), bytes.begin() + 23);
    return RadioIdentity(bytes);
}

TEST(WriteRangeChoiceTest, ExtendedOnlyForAMatchingOlderRadio) {
    EepromImage image;
    image.Resize(8208);
    image.WriteBlock(kExtensionAddress, ExtensionBlock());
    struct Case {
        std::string firmware;
        std::string version;
        bool extended;
    };
    const Case cases[] = {
        {"3.01", "0.99", true},   // older radio with the block's firmware
        {"3.01", "1.00", false},  // same version: nothing to add
        {"3.01", "1.01", false},  // newer radio
        {"3.02", "0.99", false},  // other firmware
        {"3.01", "0x99", true},   // unreadable version counts as "000"
        {"3.01", "1-00", true},  {"3.01", "09.9", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firmware + " " + c.version);
        const auto identity = Identity(c.firmware, c.version);
        EXPECT_EQ(ChooseWriteRanges(identity, image, false).data(),
                  (c.extended ? ExtendedWriteRanges() : WriteRanges()).data());
        EXPECT_EQ(ChooseWriteRanges(identity, image, true).data(),
                  (c.extended ? ExtendedExpertWriteRanges() : ExpertWriteRanges()).data());
    }
}

}  // namespace
}  // namespace orvane
