#include "qt/qt_settings_store.h"

#include <QDir>
#include <QStandardPaths>

namespace orvane {

QtSettingsStore::QtSettingsStore(const QString& filePath, std::string rootKey)
    : settings_(filePath, QSettings::IniFormat), rootKey_(std::move(rootKey)) {}

QString QtSettingsStore::DefaultFilePath() {
    QString configDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(configDir).filePath(QStringLiteral("Zelk/Orvane.ini"));
}

QString QtSettingsStore::GroupPath(const std::string& key) const {
    std::string path = key;
    if (path.rfind(rootKey_, 0) == 0) {
        path.erase(0, rootKey_.size());
    }
    QString group = QString::fromStdString(path);
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (group.startsWith(QLatin1Char('/'))) {
        group.remove(0, 1);
    }
    return group;
}

QString QtSettingsStore::SettingPath(const std::string& key, const std::string& name) const {
    QString group = GroupPath(key);
    QString value = QString::fromStdString(name);
    return group.isEmpty() ? value : group + QLatin1Char('/') + value;
}

std::optional<std::int32_t> QtSettingsStore::ReadInt(const std::string& key,
                                                     const std::string& name) const {
    QVariant stored = settings_.value(SettingPath(key, name));
    if (!stored.isValid() || stored.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    // A hand-edited value that is not a whole number reads as missing.
    bool ok = false;
    int value = stored.toString().trimmed().toInt(&ok, 10);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> QtSettingsStore::ReadString(const std::string& key,
                                                       const std::string& name) const {
    QVariant stored = settings_.value(SettingPath(key, name));
    if (!stored.isValid() || stored.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    return stored.toString().toStdString();
}

bool QtSettingsStore::WriteInt(const std::string& key, const std::string& name,
                               std::int32_t value) {
    settings_.setValue(SettingPath(key, name), QString::number(value));
    return settings_.isWritable();
}

bool QtSettingsStore::WriteString(const std::string& key, const std::string& name,
                                  const std::string& value) {
    settings_.setValue(SettingPath(key, name), QString::fromStdString(value));
    return settings_.isWritable();
}

bool QtSettingsStore::DeleteKey(const std::string& key, const std::string& subkey) {
    settings_.remove(SettingPath(key, subkey));
    return settings_.isWritable();
}

bool QtSettingsStore::Flush() {
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

}  // namespace orvane
