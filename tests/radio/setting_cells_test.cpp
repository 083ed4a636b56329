// The home, common, expert and clone information cells: what each shows, what a change
// writes, and the flags and marks that follow.

#include <gtest/gtest.h>

#include "radio/entry_keys.h"
#include "radio/notify_flags.h"
#include "radio/setting_addresses.h"
#include "radio_fixture.h"

namespace orvane {
namespace {

using testing::RadioFixture;
namespace address = setting_address;

class SettingCellsTest : public RadioFixture {
protected:
    SettingCellsTest() { BlankAll(); }

    std::unique_ptr<testing::Sent> Show(CellId id) { return Draw(id, 0, category::kHome); }
    std::unique_ptr<testing::Sent> Press(CellId id, std::int32_t code) {
        return Key(id, 0, code, category::kHome);
    }
    std::unique_ptr<testing::Sent> Type(CellId id, const std::string& text) {
        return Commit(id, 0, text, category::kHome);
    }
    bool Silver(const testing::Sent& sent) {
        return sent.request.textColour == paint::kNotApplicable;
    }
    bool Olive(const testing::Sent& sent) { return sent.request.textColour == paint::kReadOnly; }
};

TEST_F(SettingCellsTest, PlainSettingsShowAndStepTheirByte) {
    struct Case {
        CellId id;
        std::int32_t address;
        std::uint8_t stored;
        std::string shown;
        std::uint8_t afterSpace;
    };
    const Case cases[] = {
        {cell::kHomeSqlLevel, 0xD60, 0, "SQL - OPEN", 1},
        {cell::kHomeVOXDelay, 0xD69, 5, "3.0 sec", 0},
        {cell::kCommonMemoryWrite, 0xD83, 1, "Disable", 0},
        {cell::kCommonMemoryWrite, 0xD83, 0, "Enable", 1},
        {cell::kCommonDisplayMode, 0xD90, 1, "5 digits", 0},
        {cell::kCommonScanMR, 0xD92, 0, "Bank", 1},
    };
    for (const Case& c : cases) {
        image.SetByte(c.address, c.stored);
        EXPECT_EQ(Show(c.id)->request.text, c.shown) << c.id;
        Press(c.id, key::kSpace);
        EXPECT_EQ(image.GetByte(c.address), c.afterSpace) << c.id;
    }
}

TEST_F(SettingCellsTest, NotApplicableSettingsDependOnOthers) {
    image.SetByte(address::kBatterySelect, 0);
    EXPECT_TRUE(Silver(*Show(cell::kCommonBatteryPack)));
    image.SetByte(address::kBatterySelect, 1);
    EXPECT_FALSE(Silver(*Show(cell::kCommonBatteryPack)));

    image.SetByte(address::kScan, 1);
    EXPECT_TRUE(Silver(*Show(cell::kCommonScanMR)));
    options.values.vfoEnabled = true;
    EXPECT_TRUE(Silver(*Show(cell::kCommonScanVFO))) << "scanning is off";
    image.SetByte(address::kScan, 0);
    EXPECT_FALSE(Silver(*Show(cell::kCommonScanVFO)));
    EXPECT_FALSE(Silver(*Show(cell::kCommonVFOTx)));
    options.values.vfoEnabled = false;
    EXPECT_TRUE(Silver(*Show(cell::kCommonScanVFO)));
    EXPECT_TRUE(Silver(*Show(cell::kCommonVFOTx)));

    options.values.lightKey = 2;
    EXPECT_TRUE(Silver(*Show(cell::kCommonLIGHTLock)));
    EXPECT_FALSE(Silver(*Show(cell::kCommonPTTLock)));
}

TEST_F(SettingCellsTest, EachLockCellChangesOnlyItsBit) {
    struct Case {
        CellId id;
        std::uint8_t bit;
    };
    const Case cases[] = {{cell::kCommonLIGHTLock, 0x10},
                          {cell::kCommonPTTLock, 0x20},
                          {cell::kCommonSQLLock, 0x02},
                          {cell::kCommonVOLLock, 0x01}};
    for (const Case& c : cases) {
        image.SetByte(address::kLocks, static_cast<std::uint8_t>(0xFF & ~c.bit));
        EXPECT_EQ(Show(c.id)->request.text, "Unlock");
        Press(c.id, key::kSpace);
        EXPECT_EQ(image.GetByte(address::kLocks), 0xFF) << c.id;
        EXPECT_EQ(Show(c.id)->request.text, "Lock");
        image.SetByte(address::kLocks, c.bit);
        Press(c.id, key::kSpace);
        EXPECT_EQ(image.GetByte(address::kLocks), 0) << c.id;
    }
}

TEST_F(SettingCellsTest, OptionFlagCellsShowTheFlagAndWriteBoth) {
    image.SetByte(address::kVfoDisabled, 1);
    options.values.vfoEnabled = false;
    EXPECT_EQ(Show(cell::kCommonVFOMode)->request.text, "Disable");
    const auto vfo = Press(cell::kCommonVFOMode, key::kSpace);
    EXPECT_EQ(image.GetByte(address::kVfoDisabled), 0) << "the radio keeps the switch inverted";
    EXPECT_TRUE(options.values.vfoEnabled);
    EXPECT_NE(vfo->refreshMasks.at(0) & notify::kAllLinked, 0u);

    options.values.nameDisplay = true;
    Press(cell::kCommonIndicationMode, key::kSpace);
    EXPECT_FALSE(options.values.nameDisplay);
    EXPECT_EQ(image.GetByte(address::kIndicationMode), 0);

    options.values.duplexEnabled = false;
    Press(cell::kCommonDuplex, key::kSpace);
    EXPECT_TRUE(options.values.duplexEnabled);
    EXPECT_EQ(image.GetByte(address::kDuplex), 1);

    options.values.lightKey = 1;
    Press(cell::kCommonLIGHTKey, key::kSpace);
    EXPECT_EQ(options.values.lightKey, 2);
    EXPECT_EQ(image.GetByte(address::kLightKey), 2);

    controller.calls.clear();
    options.values.channelSpacing = 0;
    EXPECT_EQ(Show(cell::kCommonChSpacing)->request.text, "25kHz");
    Press(cell::kCommonChSpacing, key::kSpace);
    EXPECT_EQ(options.values.channelSpacing, 1);
    EXPECT_EQ(image.GetByte(address::kChannelSpacing), 1);
    EXPECT_EQ(controller.calls.at(0), "ReapplyModelRules");
    // The radio may report both rasters at once; that value shows and is kept.
    Press(cell::kCommonChSpacing, key::kSpace);
    EXPECT_EQ(options.values.channelSpacing, 2);
    EXPECT_EQ(Show(cell::kCommonChSpacing)->request.text, "25kHz + 8.33kHz");
    Press(cell::kCommonChSpacing, key::kSpace);
    EXPECT_EQ(options.values.channelSpacing, 0);

    controller.calls.clear();
    Show(cell::kCommonChSpacing);
    EXPECT_TRUE(controller.calls.empty()) << "drawing changes nothing";
}

TEST_F(SettingCellsTest, TimeOutTimerOffsOnlyWhereAllowed) {
    struct Case {
        bool offAllowed;
        std::uint8_t stored;
        std::string shown;
        bool warning;
    };
    const Case cases[] = {{false, 1, "OFF", true},
                          {false, 0, "OFF", true},
                          {false, 5, "50", false},
                          {true, 1, "OFF", false},
                          {true, 18, "180", false}};
    for (const Case& c : cases) {
        options.values.totOffAllowed = c.offAllowed;
        image.SetByte(memory_map::kHomeTot, c.stored);
        const auto sent = Show(cell::kHomeTot);
        EXPECT_EQ(sent->request.text, c.shown) << int(c.stored);
        EXPECT_EQ(sent->Warning(), c.warning) << int(c.stored);
    }
    options.values.totOffAllowed = false;
    image.SetByte(memory_map::kHomeTot, 2);
    Press(cell::kHomeTot, key::kBackspace);
    EXPECT_GE(image.GetByte(memory_map::kHomeTot), 2) << "OFF is not offered";
    options.values.totOffAllowed = true;
    image.SetByte(memory_map::kHomeTot, 2);
    Press(cell::kHomeTot, key::kBackspace);
    EXPECT_EQ(image.GetByte(memory_map::kHomeTot), 0);
}

TEST_F(SettingCellsTest, WeatherAlertHasThreeStatesOverTwoBytes) {
    struct Case {
        std::uint8_t disabledByte;
        std::uint8_t onByte;
        std::string shown;
    };
    const Case cases[] = {{1, 1, "Disable"}, {1, 0, "Disable"}, {0, 1, "ON"}, {0, 0, "OFF"}};
    for (const Case& c : cases) {
        image.SetByte(address::kWxAlertDisabled, c.disabledByte);
        image.SetByte(address::kAlertOn, c.onByte);
        EXPECT_EQ(Show(cell::kCommonAlert)->request.text, c.shown);
    }
    image.SetByte(address::kWxAlertDisabled, 1);
    image.SetByte(address::kAlertOn, 1);
    Press(cell::kCommonAlert, key::kSpace);
    EXPECT_EQ(image.GetByte(address::kWxAlertDisabled), 0);
    EXPECT_EQ(image.GetByte(address::kAlertOn), 0);
    Press(cell::kCommonAlert, key::kSpace);
    EXPECT_EQ(image.GetByte(address::kWxAlertDisabled), 0);
    EXPECT_EQ(image.GetByte(address::kAlertOn), 1);
    EXPECT_EQ(Show(cell::kHomeAlert)->request.text, "ON") << "the home alert is the same byte";
}

TEST_F(SettingCellsTest, ScanRangeOfTheVfoIsFixedWithoutVor) {
    image.SetByte(address::kScanVfo, 1);
    EXPECT_EQ(Show(cell::kCommonScanVFO)->request.text, "COM & NAV");
    UseModel(0, false);
    options.values.vfoEnabled = true;
    image.SetByte(address::kScanVfo, 1);
    const auto sent = Press(cell::kCommonScanVFO, key::kSpace);
    EXPECT_EQ(sent->request.text, "COM");
    EXPECT_TRUE(Olive(*sent));
    EXPECT_EQ(image.GetByte(address::kScanVfo), 1);
}

TEST_F(SettingCellsTest, TextsAreCutAndTheOpeningTextKeepsTheRadiosCharacters) {
    Type(cell::kCommonCOMMENT, "Tower & ground frequencies");
    std::array<std::uint8_t, 17> comment{};
    image.ReadBlock(kCommentAddress, comment);
    EXPECT_EQ(std::string(comment.begin(), comment.begin() + 16), "Tower & ground f");
    EXPECT_EQ(comment[16], image.GetByte(address::kOpeningText)) << "nothing past the field";

    const auto opening = Type(cell::kCommonOpeningText, "ab.c!-9xyz");
    std::array<std::uint8_t, 8> text{};
    image.ReadBlock(address::kOpeningText, text);
    EXPECT_EQ(std::string(text.begin(), text.end()), "AB C -9X");
    EXPECT_EQ(opening->request.text, "AB C -9X");
}

class HomePositionTest : public SettingCellsTest {
protected:
    HomePositionTest() {
        SetCapacities({3, 5, 0, 0, 0, 0, 0, 0, 0, 0});
        image.SetByte(memory_map::kHomeMode, 1);
        image.SetByte(memory_map::kHomeBank, 1);
        image.SetByte(memory_map::kHomeChannels + 1, 2);
        PutChannel(5, 121'500'000, 121'500'000);
    }
};

TEST_F(HomePositionTest, MemoryModeEntersBankAndChannelAndShowsTheChannel) {
    EXPECT_EQ(Show(cell::kHomeFreq)->request.text, "121.500");
    const auto freq = Press(cell::kHomeFreq, '1');
    EXPECT_TRUE(Olive(*freq));
    EXPECT_EQ(Show(cell::kHomeDup)->request.text, "OFF");
    EXPECT_EQ(Show(cell::kHomeWX)->request.text, "---");

    const auto channel = Type(cell::kHomeCh, "5");
    EXPECT_EQ(image.GetByte(memory_map::kHomeChannels + 1), 4) << "capacity 5 allows 0..4";
    EXPECT_TRUE(channel->Error()) << "channel 4 of bank 1 is blank";
    EXPECT_NE(channel->refreshMasks.at(0) & notify::kSameCategory, 0u);
    EXPECT_EQ(Show(cell::kHomeFreq)->request.text, "---");

    const auto bank = Type(cell::kHomeBank, "2");
    EXPECT_TRUE(bank->Error()) << "bank 2 is empty";
    EXPECT_EQ(Show(cell::kHomeCh)->request.text, "---");

    MemoryChannel wx = PutChannel(0, 118'000'000, 118'000'000);
    wx.wx = 4;
    channels.Store(wx);
    Type(cell::kHomeBank, "0");
    image.SetByte(memory_map::kHomeChannels + 0, 0);
    EXPECT_EQ(Show(cell::kHomeWX)->request.text, "5");
    EXPECT_EQ(Show(cell::kHomeFreq)->request.text, "---") << "a WX channel has no frequency";
}

TEST_F(HomePositionTest, VfoModeEditsTheVfoRecord) {
    options.values.vfoEnabled = true;
    image.SetByte(memory_map::kHomeMode, 0);
    EXPECT_EQ(Show(cell::kHomeBank)->request.text, "---");
    EXPECT_EQ(Show(cell::kHomeCh)->request.text, "---");
    EXPECT_EQ(Show(cell::kHomeWX)->request.text, "---");

    Type(cell::kHomeFreq, "110.5");
    EXPECT_EQ(channels.Load(MemoryChannel::kHomeVfo, 0).rxHz, 110'500'000u);
    const auto tx = Show(cell::kHomeFreqT);
    EXPECT_TRUE(Silver(*tx)) << "no duplex yet";
    Press(cell::kHomeDup, key::kSpace);
    EXPECT_TRUE(channels.Load(MemoryChannel::kHomeVfo, 0).duplex);
    EXPECT_FALSE(Silver(*Show(cell::kHomeFreqT)));
    Type(cell::kHomeFreqT, "150");
    EXPECT_TRUE(Show(cell::kHomeFreqT)->Warning()) << "transmit outside the COM band";

    Type(cell::kHomeFreq, "121.5");
    EXPECT_EQ(Show(cell::kHomeFreqT)->request.text, "---");

    options.values.vfoEnabled = false;
    EXPECT_NE(Show(cell::kHomeBank)->request.text, "---") << "without a VFO the memory counts";
}

TEST_F(SettingCellsTest, CloneInformationShowsWhatTheRadioReported) {
    struct Case {
        std::uint8_t flags;
        std::string model;
        std::string wx;
        std::string vor;
    };
    const Case cases[] = {{0x0C, "HT-Lk1", "Enable", "Enable"},
                          {0x00, "HT-Lk2", "Disable", "Disable"},
                          {0x01, "HT-Lk1S/Lk2S", "Disable", "Disable"},
                          {0x0D, "", "Enable", "Enable"}};
    const std::string comment = "RADIO COMMENT 16";
    std::copy(comment.begin(), comment.end(), controller.identity.begin());
    for (const Case& c : cases) {
        controller.identity[16] = c.flags;
        EXPECT_EQ(Show(cell::kCloneInfoModel)->request.text, c.model) << int(c.flags);
        EXPECT_EQ(Show(cell::kCloneInfoWxInh)->request.text, c.wx) << int(c.flags);
        EXPECT_EQ(Show(cell::kCloneInfoVorInh)->request.text, c.vor) << int(c.flags);
    }
    EXPECT_EQ(Show(cell::kCloneInfoComment)->request.text, comment);
}

}  // namespace
}  // namespace orvane
