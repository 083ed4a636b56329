#pragma once
// The settings store as an INI file in the user's XDG config directory. Registry-style
// key paths become INI groups below the program's own key, so
// "Software\\Zelk\\Orvane\\Global" is the group [Global] of ~/.config/Zelk/Orvane.ini.

#include <QSettings>
#include <QString>

#include "platform/settings_store.h"

namespace orvane {

class QtSettingsStore final : public SettingsStore {
public:
    // `rootKey` is the key path that the file itself stands for.
    QtSettingsStore(const QString& filePath, std::string rootKey);

    // ~/.config/Zelk/Orvane.ini (honouring XDG_CONFIG_HOME).
    static QString DefaultFilePath();

    std::optional<std::int32_t> ReadInt(const std::string& key,
                                        const std::string& name) const override;
    std::optional<std::string> ReadString(const std::string& key,
                                          const std::string& name) const override;
    bool WriteInt(const std::string& key, const std::string& name, std::int32_t value) override;
    bool WriteString(const std::string& key, const std::string& name,
                     const std::string& value) override;
    bool DeleteKey(const std::string& key, const std::string& subkey) override;
    bool Flush() override;

private:
    QString SettingPath(const std::string& key, const std::string& name) const;
    QString GroupPath(const std::string& key) const;

    mutable QSettings settings_;
    std::string rootKey_;
};

}  // namespace orvane
