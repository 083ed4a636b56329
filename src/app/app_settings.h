#pragma once
// The per-user settings record: loaded from the settings store when the program starts
// (first instance only), read and changed directly while it runs, written back at exit.
// Field names follow the stored value names; the model and the option flags the sheets
// and the data model read are one radio configuration.

#include <cstdint>
#include <string>
#include <vector>

#include "app/recent_files.h"
#include "app/window_placement.h"
#include "platform/instance_lock.h"
#include "platform/settings_store.h"
#include "sheet/radio_configuration.h"

namespace orvane {

struct ScreenSize {
    int width = 0;
    int height = 0;
};

class AppSettings {
public:
    static constexpr const char* kMutexName = "Zelk Orvane APP Exclusive Mutex";
    static constexpr const char* kRegistryPath = "Software\\Zelk\\Orvane";
    static constexpr std::int32_t kMagic = 753951;
    static constexpr const char* kAdjustArgument = "RQ-6190TrimGoAhead";

    // Takes the single-instance lock; the first instance loads the stored settings. A lock
    // that cannot be made leaves this the first instance.
    // `arguments` is the whole command line, the program name included.
    AppSettings(SettingsStore& store, InstanceLock& lock, ScreenSize screen,
                const std::vector<std::string>& arguments);
    // The first instance saves (when the record is valid) and releases the lock.
    ~AppSettings();
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    bool IsFirstInstance() const { return firstInstance_; }

    // Writes the record now; a failing write stops silently. Nothing when the magic is
    // not set (a record that was never valid is not stored).
    void Save();

    // Registry-like helpers for other parts (sheet column widths). Keys are full paths
    // such as "Software\\Zelk\\Orvane\\Display\\memch\\colwidth".
    std::int32_t ReadRegistryInt(const std::string& key, const std::string& value) const;
    void WriteRegistryInt(const std::string& key, const std::string& value, std::int32_t number);
    void DeleteRegistryKey(const std::string& key, const std::string& subkey);

    // The packed option words as stored, with their parity bit.
    std::int32_t PackEtcData1() const;
    std::int32_t PackEtcData2() const;

    RecentFiles Recent;
    std::int32_t Magic = kMagic;
    std::int32_t FontSizePercentage = 100;
    std::int32_t ToolbarVisible = 1;
    std::int32_t ComPort = 1;
    std::int32_t ComSpeedHigh = 0;
    std::int32_t PrinterFontSize = 10;
    std::string CurrentDirectory;
    // The airport frequency table last imported from, kept apart from the stored record
    // above: a settings file without it is still complete.
    std::string AirportTable;
    WindowBounds Window;
    std::int32_t SplitterV = 200;  // tree panel width
    bool AdjustmentStart = false;
    std::int32_t ExtraChannels = 9;
    std::int32_t CapabilityC = 0;
    // Stored as "ModelType" and the two packed option words.
    RadioConfiguration Radio;

private:
    bool Load(const std::vector<std::string>& arguments);
    bool ReadRecentList();
    bool ReadInt(const std::string& key, const char* name, std::int32_t& target) const;
    bool ReadString(const std::string& key, const char* name, std::string& target) const;
    void ApplyDefaults();
    void ResetEtcData1();
    void ResetEtcData2();
    void UnpackEtcData1(std::int32_t word);
    void UnpackEtcData2(std::int32_t word);
    std::string Key(const char* name) const;

    SettingsStore& store_;
    InstanceLock& lock_;
    ScreenSize screen_;
    bool firstInstance_ = false;
};

}  // namespace orvane
