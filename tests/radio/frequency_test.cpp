// Rounding to the tuning raster and the frequency display.

#include <gtest/gtest.h>

#include "radio/frequency.h"

namespace orvane {
namespace {

struct RoundCase {
    Hertz in;
    int spacing;
    bool allowed;
    Hertz out;
};

TEST(RoundFrequencyTest, RoundsToTheRasterOfEachSpacing) {
    const RoundCase cases[] = {
        // 25 kHz: half a step rounds up, the remainder is first cut to tenths of a step.
        {118'012'500, 0, true, 118'025'000},
        {118'012'499, 0, true, 118'000'000},
        {118'002'499, 0, true, 118'000'000},
        {118'037'500, 0, true, 118'050'000},
        {299'990'000, 0, true, 299'975'000},
        {299'980'000, 0, true, 299'975'000},
        {5'000, 0, true, 25'000},
        {10'000, 0, true, 25'000},
        {0, 0, true, 25'000},
        {37'500, 0, true, 50'000},
        // 8.33 kHz channel names: 5 kHz steps, raster points moved by 5 kHz.
        {118'000'000, 1, true, 118'005'000},
        {118'020'000, 1, true, 118'015'000},
        {118'010'000, 1, true, 118'010'000},
        {118'075'000, 1, true, 118'080'000},
        {118'095'000, 1, true, 118'090'000},
        {118'017'500, 1, true, 118'015'000},
        {118'002'499, 1, true, 118'005'000},
        {299'995'000, 1, true, 299'990'000},
        // Both: only the points before a 25 kHz point move down.
        {118'020'000, 2, true, 118'015'000},
        {118'025'000, 2, true, 118'025'000},
        {118'045'000, 2, true, 118'040'000},
        {118'005'000, 2, true, 118'005'000},
        {300'000'000, 2, true, 299'990'000},
        // Without the 8.33 kHz option every spacing rounds to 25 kHz.
        {118'020'000, 1, false, 118'025'000},
        {118'005'000, 2, false, 118'000'000},
    };
    for (const RoundCase& c : cases) {
        EXPECT_EQ(RoundFrequency(c.in, c.spacing, c.allowed), c.out)
            << c.in << " spacing " << c.spacing << (c.allowed ? "" : " (not allowed)");
    }
}

TEST(RoundFrequencyTest, TypedTextCutToSevenCharactersLandsOnTheRaster) {
    // 118.0083 is read as 118.008 before rounding.
    EXPECT_EQ(RoundFrequency(118'008'000, 1, true), 118'010'000);
    EXPECT_EQ(RoundFrequency(118'008'000, 0, true), 118'000'000);
}

TEST(FormatFrequencyTest, ShowsMegahertzAndTruncatedKilohertz) {
    EXPECT_EQ(FormatFrequency(118'000'000), "118.000");
    EXPECT_EQ(FormatFrequency(118'004'999), "118.004");
    EXPECT_EQ(FormatFrequency(25'000), "0.025");
    EXPECT_EQ(FormatFrequency(299'990'000), "299.990");
}

}  // namespace
}  // namespace orvane
