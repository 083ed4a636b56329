#include "app/app_settings.h"

#include <gtest/gtest.h>

#include "support/fake_instance_lock.h"
#include "support/memory_settings_store.h"

namespace orvane {
namespace {

using testing::FakeInstanceLock;
using testing::MemorySettingsStore;

const std::string kGlobal = "Software\\Zelk\\Orvane\\Global";
const std::string kView = "Software\\Zelk\\Orvane\\View Option";
const std::string kPosition = "Software\\Zelk\\Orvane\\Window Position";
const std::string kSetup = "Software\\Zelk\\Orvane\\Setup";
const std::string kRecent = "Software\\Zelk\\Orvane\\Recent File List";
constexpr ScreenSize kScreen{1920, 1080};

class AppSettingsTest : public ::testing::Test {
protected:
    // A store holding a complete record, as a previous run leaves it.
    AppSettingsTest() { Run(); }

    // One program run: load, then save at exit.
    void Run(const std::vector<std::string>& arguments = {"orvane"},
             const std::function<void(AppSettings&)>& during = nullptr) {
        FakeInstanceLock lock;
        AppSettings settings(store, lock, kScreen, arguments);
        if (during) during(settings);
    }

    std::unique_ptr<AppSettings> Load(const std::vector<std::string>& arguments = {"orvane"}) {
        return std::make_unique<AppSettings>(store, lock, kScreen, arguments);
    }

    MemorySettingsStore store;
    FakeInstanceLock lock;
};

TEST_F(AppSettingsTest, FirstRunAppliesScreenDefaultsAndStoresThem) {
    MemorySettingsStore empty;
    FakeInstanceLock freshLock;
    {
        AppSettings settings(empty, freshLock, kScreen, {"orvane"});
        EXPECT_TRUE(settings.IsFirstInstance());
        EXPECT_EQ(settings.Window, (WindowBounds{560, 144, 800, 600}));
        EXPECT_EQ(settings.ComPort, 1);
        EXPECT_EQ(settings.Radio.modelType, 3);
        EXPECT_EQ(settings.SplitterV, 200);
    }
    EXPECT_EQ(empty.ReadInt(kGlobal, "BBT"), 753951);
    EXPECT_EQ(empty.ReadInt(kPosition, "Left"), 560);
    EXPECT_EQ(empty.ReadString(kRecent, "Recent9"), "");
    EXPECT_EQ(empty.ReadInt(kSetup, "Etc Data1"), 0x5E | 1);  // five flags set: odd parity
    EXPECT_EQ(freshLock.releases, 1);
}

TEST_F(AppSettingsTest, SmallScreenDefaults) {
    EXPECT_EQ(DefaultWindowBounds(640, 480), (WindowBounds{32, 14, 576, 432}));
}

TEST_F(AppSettingsTest, ValuesRoundTripAcrossRuns) {
    Run({"orvane"}, [](AppSettings& s) {
        s.ComPort = 7;
        s.ComSpeedHigh = 1;
        s.CurrentDirectory = "/home/pilot/radio";
        s.Window = WindowBounds{10, 20, 700, 500};
        s.SplitterV = 321;
        s.Radio.modelType = 4;
        s.FontSizePercentage = 150;
        s.ToolbarVisible = 0;
        s.PrinterFontSize = 9;
        s.Radio.spacing833Allowed = true;
        s.Radio.vfoEnabled = false;
        s.Radio.channelSpacing = 2;
        s.Radio.lightKey = 5;
        s.Recent.AddRecent("/a/one.zcf");
        s.Recent.AddRecent("/a/two.zcf");
    });
    auto s = Load();
    EXPECT_EQ(s->ComPort, 7);
    EXPECT_EQ(s->ComSpeedHigh, 1);
    EXPECT_EQ(s->CurrentDirectory, "/home/pilot/radio");
    EXPECT_EQ(s->Window, (WindowBounds{10, 20, 700, 500}));
    EXPECT_EQ(s->SplitterV, 321);
    EXPECT_EQ(s->Radio.modelType, 4);
    EXPECT_EQ(s->FontSizePercentage, 150);
    EXPECT_EQ(s->ToolbarVisible, 0);
    EXPECT_EQ(s->PrinterFontSize, 9);
    EXPECT_TRUE(s->Radio.spacing833Allowed);
    EXPECT_FALSE(s->Radio.vfoEnabled);
    EXPECT_EQ(s->Radio.channelSpacing, 2);
    EXPECT_EQ(s->Radio.lightKey, 5);
    EXPECT_EQ(s->Recent.FullPath(0), "/a/two.zcf");
    EXPECT_EQ(s->Recent.FullPath(1), "/a/one.zcf");
}

TEST_F(AppSettingsTest, OutOfRangeValuesAreClamped) {
    store.WriteInt(kGlobal, "ComPort", 0);
    store.WriteInt(kView, "FontSize Percentage", 10);
    store.WriteInt(kView, "FontSize Printer", 20);
    store.WriteInt(kView, "Toolbar Visible", 5);
    store.WriteInt(kGlobal, "ComSpeedHigh", -4);
    auto s = Load();
    EXPECT_EQ(s->ComPort, 1);
    EXPECT_EQ(s->FontSizePercentage, 25);
    EXPECT_EQ(s->PrinterFontSize, 12);
    EXPECT_EQ(s->ToolbarVisible, 1);
    EXPECT_EQ(s->ComSpeedHigh, 0);
    s.reset();
    store.WriteInt(kGlobal, "ComPort", 300);
    store.WriteInt(kView, "FontSize Percentage", 5000);
    store.WriteInt(kView, "FontSize Printer", 1);
    s = Load();
    EXPECT_EQ(s->ComPort, 256);
    EXPECT_EQ(s->FontSizePercentage, 1000);
    EXPECT_EQ(s->PrinterFontSize, 8);
}

TEST_F(AppSettingsTest, ParityDecidesWhetherPackedOptionsAreAccepted) {
    store.WriteInt(kSetup, "Etc Data1", 0x7E);  // six flags, even: accepted
    auto s = Load();
    EXPECT_TRUE(s->Radio.spacing833Allowed);
    EXPECT_TRUE(s->Radio.vfoEnabled);
    s.reset();
    store.WriteInt(kSetup, "Etc Data1", 0x7F);  // parity wrong: the reset values
    s = Load();
    EXPECT_TRUE(s->Radio.duplexEnabled);
    EXPECT_TRUE(s->Radio.nameDisplay);
    EXPECT_TRUE(s->Radio.rx137Allowed);
    EXPECT_TRUE(s->Radio.totOffAllowed);
    EXPECT_FALSE(s->Radio.spacing833Allowed);
    EXPECT_TRUE(s->Radio.vfoEnabled);
    s.reset();
    store.WriteInt(kSetup, "Etc Data1", 0x02 | 1);             // only duplex, odd: accepted
    store.WriteInt(kSetup, "Etc Data2", (1 << 1) | (2 << 3));  // two ones, even: accepted
    s = Load();
    EXPECT_TRUE(s->Radio.duplexEnabled);
    EXPECT_FALSE(s->Radio.vfoEnabled);
    EXPECT_EQ(s->Radio.channelSpacing, 1);
    EXPECT_EQ(s->Radio.lightKey, 2);
    s.reset();
    store.WriteInt(kSetup, "Etc Data2", (1 << 1) | (2 << 3) | 1);
    s = Load();
    EXPECT_EQ(s->Radio.channelSpacing, 0);
    EXPECT_EQ(s->Radio.lightKey, 0);
}

TEST_F(AppSettingsTest, PackedWordsCarryTheirParity) {
    auto s = Load();
    s->Radio.duplexEnabled = false;
    s->Radio.nameDisplay = false;
    s->Radio.rx137Allowed = false;
    s->Radio.totOffAllowed = false;
    s->Radio.spacing833Allowed = false;
    s->Radio.vfoEnabled = true;
    EXPECT_EQ(s->PackEtcData1(), 0x41);
    s->Radio.channelSpacing = 3;
    s->Radio.lightKey = 7;
    EXPECT_EQ(s->PackEtcData2(), 0x3F);  // bits 1..5 set: five ones, parity 1
}

TEST_F(AppSettingsTest, AnyMissingValueGivesTheDefaults) {
    Run({"orvane"}, [](AppSettings& s) {
        s.ComPort = 9;
        s.Window = WindowBounds{1, 2, 500, 300};
    });
    store.Erase(kPosition, "SplitterV");
    auto s = Load();
    EXPECT_EQ(s->ComPort, 1);
    EXPECT_EQ(s->Window, DefaultWindowBounds(kScreen.width, kScreen.height));
}

TEST_F(AppSettingsTest, ValueOfTheWrongTypeGivesTheDefaults) {
    Run({"orvane"}, [](AppSettings& s) { s.ComPort = 9; });
    store.WriteString(kGlobal, "ComSpeedHigh", "fast");
    EXPECT_EQ(Load()->ComPort, 1);
}

TEST_F(AppSettingsTest, PackedOptionsReadBeforeAFailureAreKept) {
    store.WriteInt(kSetup, "Etc Data1", 0x03);  // only duplex
    store.Erase(kSetup, "Etc Data2");
    auto s = Load();
    EXPECT_FALSE(s->Radio.vfoEnabled);  // from the stored word
    EXPECT_EQ(s->ComPort, 1);
}

TEST_F(AppSettingsTest, WrongMagicGivesTheDefaults) {
    Run({"orvane"}, [](AppSettings& s) { s.ComPort = 9; });
    store.WriteInt(kGlobal, "BBT", 12345);
    auto s = Load();
    EXPECT_EQ(s->ComPort, 1);
    EXPECT_EQ(s->Magic, AppSettings::kMagic);
}

TEST_F(AppSettingsTest, AdjustmentStartNeedsAFullyReadRecord) {
    MemorySettingsStore empty;
    FakeInstanceLock freshLock;
    std::vector<std::string> arguments{"orvane", "RQ-6190TrimGoAhead"};
    {
        AppSettings first(empty, freshLock, kScreen, arguments);
        EXPECT_FALSE(first.AdjustmentStart);
    }
    AppSettings second(empty, freshLock, kScreen, arguments);
    EXPECT_TRUE(second.AdjustmentStart);
    EXPECT_FALSE(Load({"orvane", "rq-6190trimgoahead"})->AdjustmentStart);
}

TEST_F(AppSettingsTest, LaterInstanceNeitherLoadsNorSaves) {
    Run({"orvane"}, [](AppSettings& s) { s.ComPort = 9; });
    const std::size_t values = store.ValueCount();
    FakeInstanceLock taken;
    taken.state = LockState::kHeldElsewhere;
    {
        AppSettings second(store, taken, kScreen, {"orvane", "RQ-6190TrimGoAhead"});
        EXPECT_FALSE(second.IsFirstInstance());
        EXPECT_FALSE(second.AdjustmentStart);
        EXPECT_NE(second.ComPort, 9);
        second.ComPort = 42;
    }
    EXPECT_EQ(store.ReadInt(kGlobal, "ComPort"), 9);
    EXPECT_EQ(store.ValueCount(), values);
    EXPECT_EQ(taken.releases, 0);
}

TEST_F(AppSettingsTest, FailingWritesAreIgnored) {
    store.failWrites = true;
    Run({"orvane"}, [](AppSettings& s) { s.ComPort = 9; });
    store.failWrites = false;
    EXPECT_EQ(Load()->ComPort, 1);
}

TEST_F(AppSettingsTest, RegistryHelpers) {
    auto s = Load();
    const std::string widths = "Software\\Zelk\\Orvane\\Display\\memch\\colwidth";
    EXPECT_EQ(s->ReadRegistryInt(widths, "0"), -1);
    s->WriteRegistryInt(widths, "0", 64);
    EXPECT_EQ(s->ReadRegistryInt(widths, "0"), 64);
    s->DeleteRegistryKey("Software\\Zelk\\Orvane\\Display", "memch");
    EXPECT_EQ(s->ReadRegistryInt(widths, "0"), -1);
}

}  // namespace
}  // namespace orvane
