#include "app/settings_column_width_store.h"

namespace orvane {
namespace {

// The key of the widths below the program's settings path.
std::string WidthsKey(const std::string& subKey) { return "Display\\" + subKey + "\\colwidth"; }

std::string FullKey(const std::string& subKey) {
    return std::string(AppSettings::kRegistryPath) + "\\" + WidthsKey(subKey);
}

}  // namespace

std::optional<std::int32_t> SettingsColumnWidthStore::ReadWidth(const std::string& subKey,
                                                                int column) const {
    // The settings answer -1 for a missing key or value.
    const std::int32_t width = settings_.ReadRegistryInt(FullKey(subKey), std::to_string(column));
    return width == -1 ? std::nullopt : std::optional<std::int32_t>(width);
}

void SettingsColumnWidthStore::WriteWidth(const std::string& subKey, int column,
                                          std::int32_t width) {
    settings_.WriteRegistryInt(FullKey(subKey), std::to_string(column), width);
}

void SettingsColumnWidthStore::ForgetWidths(const std::string& subKey) {
    settings_.DeleteRegistryKey(AppSettings::kRegistryPath, WidthsKey(subKey));
}

}  // namespace orvane
