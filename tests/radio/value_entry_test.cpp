// Frequency, text and number entry on cell requests as the grid sends them.

#include <gtest/gtest.h>

#include "radio/entry_keys.h"
#include "radio/frequency_entry.h"
#include "radio/memory_channel.h"
#include "radio/number_entry.h"
#include "radio/text_entry.h"
#include "sheet/cell_request.h"
#include "sheet/sheet_cell.h"

namespace orvane {
namespace {

constexpr FrequencyRaster k25k{0, true};
constexpr FrequencyRaster k833{1, true};
constexpr FrequencyCell kRx{true, false, false};
constexpr FrequencyCell kTx{false, false, false};

MemoryChannel Used(Hertz rx, Hertz tx) {
    MemoryChannel channel;
    channel.kind = MemoryChannel::kMemory;
    channel.used = true;
    channel.rxHz = rx;
    channel.txHz = tx;
    return channel;
}

MemoryChannel Blank(Hertz rx) {
    MemoryChannel channel = Used(rx, rx);
    channel.used = false;
    return channel;
}

struct Committed {
    CellRequest request;
    SheetCell cell;
    Committed(std::string text) {
        request.cell = &cell;
        request.fromGrid = true;
        request.textOrigin = TextOrigin::kEditor;
        request.text = std::move(text);
    }
};

struct Pressed {
    CellRequest request;
    SheetCell cell;
    Pressed(std::int32_t key) {
        request.cell = &cell;
        request.fromGrid = true;
        request.keyCode = key;
    }
};

struct TypedFrequencyCase {
    std::string typed;
    FrequencyRaster raster;
    bool changed;
    Hertz rx;
    std::string shown;
};

TEST(FrequencyEntryTest, TypedTextIsCutReadAndRoundedToTheRaster) {
    const TypedFrequencyCase cases[] = {
        {"118.0083", k833, true, 118'010'000, "118.010"},
        {"118.0083", k25k, true, 118'000'000, "118.000"},
        {"121.5", k25k, true, 121'500'000, "121.500"},
        {" 1 2 1 . 5 MHz", k25k, true, 121'500'000, "121.500"},
        {"0", k25k, true, 25'000, "0.025"},
        {"999", k25k, true, 299'975'000, "299.975"},
        {"999", k833, true, 299'990'000, "299.990"},
        {"121.5.7", k25k, true, 121'500'000, "121.500"},
        {".", k25k, true, 25'000, "0.025"},
        {"MHz", k25k, false, 130'000'000, "130.000"},
        {"", k25k, false, 130'000'000, "130.000"},
    };
    for (const TypedFrequencyCase& c : cases) {
        Committed commit(c.typed);
        MemoryChannel channel = Used(130'000'000, 130'000'000);
        const EntryResult result = FrequencyEntry(commit.request, channel, kRx, c.raster);
        EXPECT_EQ(result.changed, c.changed) << "'" << c.typed << "'";
        EXPECT_EQ(channel.rxHz, c.rx) << "'" << c.typed << "'";
        EXPECT_EQ(commit.request.text, c.shown) << "'" << c.typed << "'";
        EXPECT_EQ(commit.cell.Horizontal(), HorizontalAlignment::Right);
    }
}

struct NewChannelCase {
    Hertz previousRx;
    bool used;
    std::string typed;
    bool isNew;
    Hertz tx;
};

TEST(FrequencyEntryTest, AFirstFrequencySetsTheTransmitFrequencyItBelongsWith) {
    const NewChannelCase cases[] = {
        {0, false, "110", true, 118'000'000},
        {0xFFFF * 5000u, false, "121.5", true, 121'500'000},
        // A blank channel becomes used even when it does not transmit on its receive
        // frequency.
        {120'000'000, false, "110", false, 120'000'000},
        {120'000'000, true, "121.5", false, 121'500'000},
        {0, true, "110", true, 118'000'000},
    };
    for (const NewChannelCase& c : cases) {
        Committed commit(c.typed);
        MemoryChannel channel = Used(c.previousRx, 120'000'000);
        channel.used = c.used;
        const EntryResult result = FrequencyEntry(commit.request, channel, kRx, k25k);
        EXPECT_TRUE(result.changed);
        EXPECT_EQ(channel.isNew, c.isNew) << c.previousRx << " " << c.typed;
        EXPECT_EQ(channel.txHz, c.tx) << c.previousRx << " " << c.typed;
        EXPECT_TRUE(channel.used);
    }
}

TEST(FrequencyEntryTest, ASimplexChannelKeepsTransmittingOnItsReceiveFrequency) {
    Committed commit("124.1");
    MemoryChannel channel = Used(121'500'000, 121'500'000);
    FrequencyEntry(commit.request, channel, kRx, k833);
    EXPECT_EQ(channel.rxHz, 124'105'000u);
    EXPECT_EQ(channel.txHz, 124'105'000u);
}

TEST(FrequencyEntryTest, TheTransmitCellShowsAnArrowWhenItFollowsReceive) {
    Pressed draw(0);
    draw.request.fromGrid = false;
    MemoryChannel channel = Used(121'500'000, 121'500'000);
    FrequencyEntry(draw.request, channel, kTx, k25k);
    EXPECT_EQ(draw.request.text, "<-");
    EXPECT_EQ(draw.cell.Horizontal(), HorizontalAlignment::Centre);
    EXPECT_EQ(draw.request.markPosition, MarkPosition::kLeft);

    Pressed other(0);
    MemoryChannel duplex = Used(110'000'000, 119'000'000);
    FrequencyEntry(other.request, duplex, kTx, k25k);
    EXPECT_EQ(other.request.text, "119.000");

    Pressed home(0);
    MemoryChannel vfo = Used(121'500'000, 121'500'000);
    FrequencyEntry(home.request, vfo, {false, true, true}, k25k);
    EXPECT_EQ(home.request.text, "121.500");
    EXPECT_EQ(home.cell.Horizontal(), HorizontalAlignment::Left);
}

TEST(FrequencyEntryTest, ABlankChannelShowsNothingOutsideTheHomeRecord) {
    Pressed draw(0);
    MemoryChannel channel = Blank(121'500'000);
    EXPECT_FALSE(FrequencyEntry(draw.request, channel, kRx, k25k).changed);
    EXPECT_EQ(draw.request.text, "");
    EXPECT_FALSE(channel.used);

    Pressed home(0);
    MemoryChannel vfo = Blank(121'500'000);
    FrequencyEntry(home.request, vfo, {true, false, true}, k25k);
    EXPECT_EQ(home.request.text, "121.500");
}

struct FrequencyKeyCase {
    std::int32_t key;
    bool rxCell;
    bool used;
    CellOpening open;
    std::string text;
    int selStart;
};

TEST(FrequencyEntryTest, KeysOpenTheEditorWithTheirStartText) {
    const FrequencyKeyCase cases[] = {
        {'.', true, true, CellOpening::kOpenEditor, "121.500", 4},
        {'7', true, true, CellOpening::kOpenEditor, "7", 1},
        {key::kEnter, true, true, CellOpening::kOpenEditor, "121.500", 0},
        {key::kSpace, true, true, CellOpening::kOpenEditor, "121.500", 0},
        {key::kBackspace, true, true, CellOpening::kOpenEditor, "121.500", 0},
        {key::kBeginEdit, true, true, CellOpening::kOpenEditor, "121.500", 0},
        {key::kEnter, true, false, CellOpening::kOpenEditor, "", 0},
        {'=', false, true, CellOpening::kOpenEditor, "110.000", 0},
        {'=', true, true, CellOpening::kNothingToOpen, "121.500", 0},
        {'x', true, true, CellOpening::kNothingToOpen, "121.500", 0},
        {9984, true, true, CellOpening::kNothingToOpen, "121.500", 0},
    };
    for (const FrequencyKeyCase& c : cases) {
        Pressed press(c.key);
        MemoryChannel channel = c.rxCell
                                    ? (c.used ? Used(121'500'000, 121'500'000) : Blank(121'500'000))
                                    : Used(110'000'000, 121'500'000);
        const EntryResult result =
            FrequencyEntry(press.request, channel, c.rxCell ? kRx : kTx, k25k);
        EXPECT_EQ(result.open, c.open) << c.key;
        EXPECT_EQ(press.request.text, c.text) << c.key;
        if (c.open == CellOpening::kOpenEditor) {
            EXPECT_EQ(press.request.selStart, c.selStart) << c.key;
        }
        EXPECT_FALSE(result.changed);
    }
}

TEST(FrequencyEntryTest, KeysAreIgnoredOutsideAGrid) {
    Pressed press('7');
    press.request.fromGrid = false;
    MemoryChannel channel = Used(121'500'000, 121'500'000);
    EXPECT_EQ(FrequencyEntry(press.request, channel, kRx, k25k).open, CellOpening::kNothingToOpen);
    EXPECT_EQ(press.request.text, "121.500");
}

TEST(TextEntryTest, CommittedTextIsCutAndBlankFilledToTheWidth) {
    struct Case {
        std::string typed;
        std::string field;
        std::string shown;
    };
    const Case cases[] = {
        {"TOWER", "TOWER   ", "TOWER"},
        {"TOWERAPPROACH", "TOWERAPP", "TOWERAPP"},
        {"", "        ", ""},
        {"A\tB\x7F", "A B     ", "A B"},
    };
    for (const Case& c : cases) {
        Committed commit(c.typed);
        std::string field = "OLD     ";
        EXPECT_TRUE(TextEntry(commit.request, field, 8).changed);
        EXPECT_EQ(field, c.field);
        EXPECT_EQ(commit.request.text, c.shown);
        EXPECT_EQ(commit.request.selLength, static_cast<int>(c.shown.size()));
    }
}

TEST(TextEntryTest, KeysOpenTheEditor) {
    for (std::int32_t key : {key::kEnter, key::kSpace, key::kBackspace, key::kBeginEdit}) {
        Pressed press(key);
        std::string field = "ABC     ";
        const EntryResult result = TextEntry(press.request, field, 8);
        EXPECT_EQ(result.open, CellOpening::kOpenEditor) << key;
        EXPECT_EQ(press.request.text, "ABC") << key;
        EXPECT_FALSE(result.changed);
    }
    Pressed typed('q');
    std::string field = "ABC     ";
    EXPECT_EQ(TextEntry(typed.request, field, 8).open, CellOpening::kOpenEditor);
    EXPECT_EQ(typed.request.text, "q");
    EXPECT_EQ(typed.request.selStart, 1);
    Pressed arrow(9472);
    EXPECT_EQ(TextEntry(arrow.request, field, 8).open, CellOpening::kNothingToOpen);
}

TEST(NumberEntryTest, CommittedTextIsReadRoundedAndLimited) {
    struct Case {
        std::string typed;
        std::int32_t minimum, maximum;
        bool changed;
        std::int32_t value;
    };
    const Case cases[] = {
        {"12abc", 0, 99, true, 12},
        {"abc", 0, 99, false, 50},
        {"2.5", 0, 99, true, 3},
        {"-2.5", -9, 99, true, -3},
        {"150", 0, 99, true, 99},
        {"-4", 0, 99, true, 0},
        {".", 0, 99, true, 0},
        {"-", 0, 99, false, 50},
        {"1234567890123", 0, 999'999'999, true, 123'456'789},
        {"4-2", 0, 99, true, 4},
    };
    for (const Case& c : cases) {
        Committed commit(c.typed);
        std::int32_t value = 50;
        EXPECT_EQ(NumberEntry(commit.request, value, c.minimum, c.maximum).changed, c.changed)
            << c.typed;
        EXPECT_EQ(value, c.value) << c.typed;
        EXPECT_EQ(commit.request.text, std::to_string(c.value));
    }
}

TEST(NumberEntryTest, SpaceAndBackspaceStepAndStopAtTheBounds) {
    struct Case {
        std::int32_t key, start, value;
    };
    const Case cases[] = {
        {key::kSpace, 5, 6}, {key::kSpace, 9, 9}, {key::kBackspace, 5, 4}, {key::kBackspace, 1, 1}};
    for (const Case& c : cases) {
        Pressed press(c.key);
        std::int32_t value = c.start;
        EXPECT_TRUE(NumberEntry(press.request, value, 1, 9).changed);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(press.request.text, std::to_string(c.value));
    }
}

TEST(NumberEntryTest, DigitsMinusAndEnterOpenTheEditor) {
    struct Case {
        std::int32_t key, minimum;
        CellOpening open;
        std::string text;
    };
    const Case cases[] = {{'4', 0, CellOpening::kOpenEditor, "4"},
                          {'-', -5, CellOpening::kOpenEditor, "-"},
                          {'-', 0, CellOpening::kNothingToOpen, "7"},
                          {key::kEnter, 0, CellOpening::kOpenEditor, "7"},
                          {key::kBeginEdit, 0, CellOpening::kOpenEditor, "7"},
                          {'x', 0, CellOpening::kNothingToOpen, "7"}};
    for (const Case& c : cases) {
        Pressed press(c.key);
        std::int32_t value = 7;
        EXPECT_EQ(NumberEntry(press.request, value, c.minimum, 9).open, c.open) << c.key;
        EXPECT_EQ(press.request.text, c.text) << c.key;
    }
}

}  // namespace
}  // namespace orvane
