#include "app/app_settings.h"

#include <algorithm>
#include <optional>

#include "app/com_port_entry.h"

namespace orvane {
namespace {

constexpr const char* kGlobal = "Global";
constexpr const char* kRecentList = "Recent File List";
constexpr const char* kViewOption = "View Option";
constexpr const char* kWindowPosition = "Window Position";
constexpr const char* kSetup = "Setup";
constexpr const char* kExchange = "Exchange";

std::string RecentValueName(std::size_t i) { return "Recent" + std::to_string(i); }

// Bit 0 of a packed word is the parity of bits 1..6.
bool ParityHolds(std::int32_t word) {
    int ones = 0;
    for (int bit = 1; bit <= 6; ++bit) {
        ones += (word >> bit) & 1;
    }
    return (word & 1) == (ones & 1);
}

std::int32_t WithParity(std::int32_t bits) {
    int ones = 0;
    for (int bit = 1; bit <= 6; ++bit) {
        ones += (bits >> bit) & 1;
    }
    return bits | (ones & 1);
}

}  // namespace

AppSettings::AppSettings(SettingsStore& store, InstanceLock& lock, ScreenSize screen,
                         const std::vector<std::string>& arguments)
    : store_(store), lock_(lock), screen_(screen) {
    // Only a lock that another copy holds means that one runs. A lock that cannot be made
    // at all must not keep the program from starting: it then runs without the rule.
    firstInstance_ = lock_.TryAcquire(kMutexName) != LockState::kHeldElsewhere;
    if (!firstInstance_) {
        return;
    }
    if (!Load(arguments)) {
        ApplyDefaults();
    }
    if (Magic != kMagic) {
        ApplyDefaults();
    }
}

AppSettings::~AppSettings() {
    if (!firstInstance_) {
        return;
    }
    Save();
    lock_.Release();
}

std::string AppSettings::Key(const char* name) const {
    return std::string(kRegistryPath) + "\\" + name;
}

bool AppSettings::ReadInt(const std::string& key, const char* name, std::int32_t& target) const {
    std::optional<std::int32_t> value = store_.ReadInt(key, name);
    if (value) {
        target = *value;
    }
    return value.has_value();
}

bool AppSettings::ReadString(const std::string& key, const char* name, std::string& target) const {
    std::optional<std::string> value = store_.ReadString(key, name);
    if (value) {
        target = *value;
    }
    return value.has_value();
}

bool AppSettings::Load(const std::vector<std::string>& arguments) {
    const std::string global = Key(kGlobal);
    const std::string view = Key(kViewOption);
    const std::string position = Key(kWindowPosition);
    const std::string setup = Key(kSetup);
    ReadString(Key(kExchange), "Airport Table", AirportTable);
    // In the stored order; the first missing or unreadable value stops the reading.
    bool complete =
        ReadInt(global, "BBT", Magic) && ReadInt(global, "ComPort", ComPort) &&
        ReadInt(global, "ComSpeedHigh", ComSpeedHigh) &&
        ReadString(global, "Current Directory", CurrentDirectory) && ReadRecentList() &&
        ReadInt(view, "FontSize Percentage", FontSizePercentage) &&
        ReadInt(view, "Toolbar Visible", ToolbarVisible) &&
        ReadInt(view, "FontSize Printer", PrinterFontSize) &&
        ReadInt(position, "Left", Window.left) && ReadInt(position, "Top", Window.top) &&
        ReadInt(position, "Width", Window.width) && ReadInt(position, "Height", Window.height) &&
        ReadInt(position, "SplitterV", SplitterV) && ReadInt(setup, "ModelType", Radio.modelType);
    if (!complete) {
        return false;
    }
    ComPort = std::clamp(ComPort, kFirstComPort, kLastComPort);
    ComSpeedHigh = std::clamp(ComSpeedHigh, 0, 1);
    FontSizePercentage = std::clamp(FontSizePercentage, 25, 1000);
    ToolbarVisible = ToolbarVisible != 0 ? 1 : 0;
    PrinterFontSize = std::clamp(PrinterFontSize, 8, 12);

    // Each packed word takes effect as soon as it is read, even if a later one is missing.
    std::int32_t word = 0;
    if (!ReadInt(setup, "Etc Data1", word)) {
        return false;
    }
    UnpackEtcData1(word);
    if (!ReadInt(setup, "Etc Data2", word)) {
        return false;
    }
    UnpackEtcData2(word);

    // Only a fully read record lets the command line turn on adjustment start.
    AdjustmentStart =
        std::find(arguments.begin(), arguments.end(), kAdjustArgument) != arguments.end();
    return true;
}

bool AppSettings::ReadRecentList() {
    const std::string key = Key(kRecentList);
    Recent.Clear();
    for (std::size_t i = 0; i < RecentFiles::kCapacity; ++i) {
        std::string path;
        if (!ReadString(key, RecentValueName(i).c_str(), path)) {
            return false;
        }
        Recent.AppendLoaded(path);
    }
    return true;
}

void AppSettings::ApplyDefaults() {
    Magic = kMagic;
    ComPort = 1;
    ComSpeedHigh = 0;
    CurrentDirectory.clear();
    Recent.Clear();
    FontSizePercentage = 100;
    ToolbarVisible = 1;
    PrinterFontSize = 10;
    Window = DefaultWindowBounds(screen_.width, screen_.height);
    SplitterV = 200;
    Radio.modelType = RadioConfiguration{}.modelType;
}

void AppSettings::ResetEtcData1() {
    const RadioConfiguration defaults;
    Radio.duplexEnabled = defaults.duplexEnabled;
    Radio.nameDisplay = defaults.nameDisplay;
    Radio.rx137Allowed = defaults.rx137Allowed;
    Radio.totOffAllowed = defaults.totOffAllowed;
    Radio.spacing833Allowed = defaults.spacing833Allowed;
    Radio.vfoEnabled = defaults.vfoEnabled;
}

void AppSettings::ResetEtcData2() {
    const RadioConfiguration defaults;
    Radio.channelSpacing = defaults.channelSpacing;
    Radio.lightKey = defaults.lightKey;
}

void AppSettings::UnpackEtcData1(std::int32_t word) {
    if (!ParityHolds(word)) {
        ResetEtcData1();
        return;
    }
    Radio.duplexEnabled = (word >> 1) & 1;
    Radio.nameDisplay = (word >> 2) & 1;
    Radio.rx137Allowed = (word >> 3) & 1;
    Radio.totOffAllowed = (word >> 4) & 1;
    Radio.spacing833Allowed = (word >> 5) & 1;
    Radio.vfoEnabled = (word >> 6) & 1;
}

void AppSettings::UnpackEtcData2(std::int32_t word) {
    if (!ParityHolds(word)) {
        ResetEtcData2();
        return;
    }
    Radio.channelSpacing = (word >> 1) & 3;
    Radio.lightKey = (word >> 3) & 7;
}

std::int32_t AppSettings::PackEtcData1() const {
    return WithParity((Radio.duplexEnabled ? 1 << 1 : 0) | (Radio.nameDisplay ? 1 << 2 : 0) |
                      (Radio.rx137Allowed ? 1 << 3 : 0) | (Radio.totOffAllowed ? 1 << 4 : 0) |
                      (Radio.spacing833Allowed ? 1 << 5 : 0) | (Radio.vfoEnabled ? 1 << 6 : 0));
}

std::int32_t AppSettings::PackEtcData2() const {
    return WithParity(((Radio.channelSpacing & 3) << 1) | ((Radio.lightKey & 7) << 3));
}

void AppSettings::Save() {
    if (Magic != kMagic) {
        return;
    }
    const std::string global = Key(kGlobal);
    const std::string recent = Key(kRecentList);
    const std::string view = Key(kViewOption);
    const std::string position = Key(kWindowPosition);
    const std::string setup = Key(kSetup);
    // The && chain stops at the first failing write, as a failed save must.
    bool ok = store_.WriteInt(global, "BBT", Magic) &&
              store_.WriteInt(global, "ComPort", ComPort) &&
              store_.WriteInt(global, "ComSpeedHigh", ComSpeedHigh) &&
              store_.WriteString(global, "Current Directory", CurrentDirectory);
    for (std::size_t i = 0; ok && i < RecentFiles::kCapacity; ++i) {
        ok = store_.WriteString(recent, RecentValueName(i), Recent.FullPath(i));
    }
    ok = ok && store_.WriteInt(view, "FontSize Percentage", FontSizePercentage) &&
         store_.WriteInt(view, "Toolbar Visible", ToolbarVisible) &&
         store_.WriteInt(view, "FontSize Printer", PrinterFontSize) &&
         store_.WriteInt(position, "Left", Window.left) &&
         store_.WriteInt(position, "Top", Window.top) &&
         store_.WriteInt(position, "Width", Window.width) &&
         store_.WriteInt(position, "Height", Window.height) &&
         store_.WriteInt(position, "SplitterV", SplitterV) &&
         store_.WriteInt(setup, "ModelType", Radio.modelType) &&
         store_.WriteInt(setup, "Etc Data1", PackEtcData1()) &&
         store_.WriteInt(setup, "Etc Data2", PackEtcData2()) &&
         store_.WriteString(Key(kExchange), "Airport Table", AirportTable);
    if (ok) {
        store_.Flush();
    }
}

std::int32_t AppSettings::ReadRegistryInt(const std::string& key, const std::string& value) const {
    return store_.ReadInt(key, value).value_or(-1);
}

void AppSettings::WriteRegistryInt(const std::string& key, const std::string& value,
                                   std::int32_t number) {
    store_.WriteInt(key, value, number);
}

void AppSettings::DeleteRegistryKey(const std::string& key, const std::string& subkey) {
    store_.DeleteKey(key, subkey);
}

}  // namespace orvane
