#pragma once
// The remembered column widths in the per-user settings: one value per column, named by
// its decimal index, under "Software\Zelk\Orvane\Display\<subKey>\colwidth".

#include "app/app_settings.h"
#include "sheet/column_widths.h"

namespace orvane {

class SettingsColumnWidthStore final : public ColumnWidthStore {
public:
    explicit SettingsColumnWidthStore(AppSettings& settings) : settings_(settings) {}

    std::optional<std::int32_t> ReadWidth(const std::string& subKey, int column) const override;
    void WriteWidth(const std::string& subKey, int column, std::int32_t width) override;
    void ForgetWidths(const std::string& subKey) override;

private:
    AppSettings& settings_;
};

}  // namespace orvane
