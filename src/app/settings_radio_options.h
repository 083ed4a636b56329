#pragma once
// The settings hold the one radio configuration; the data model changes it through the
// radio options and the sheets read it when they are built.

#include "app/app_settings.h"
#include "radio/radio_options.h"
#include "sheet/sheet_conditions.h"

namespace orvane {

class SettingsRadioOptions final : public RadioOptions, public SheetConditionSource {
public:
    explicit SettingsRadioOptions(AppSettings& settings) : settings_(settings) {}

    RadioConfiguration Current() const override { return settings_.Radio; }
    void Update(const RadioConfiguration& values) override { settings_.Radio = values; }
    RadioConfiguration CurrentSheetConditions() const override { return settings_.Radio; }

private:
    AppSettings& settings_;
};

}  // namespace orvane
