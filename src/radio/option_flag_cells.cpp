#include "radio/option_flag_cells.h"

#include "image/eeprom_image.h"
#include "radio/cell_evaluation.h"
#include "radio/choice_entry.h"
#include "radio/controller_port.h"
#include "radio/notify_flags.h"
#include "radio/radio_options.h"
#include "radio/setting_addresses.h"

namespace orvane {
namespace {

using namespace setting_address;

struct FlagSetting {
    std::int32_t address;
    const char* list;
    std::int32_t shown;
};

FlagSetting SettingOf(CellId id, const RadioConfiguration& options) {
    switch (id) {
        case cell::kCommonIndicationMode:
            return {kIndicationMode, "GI_Sheet_Sel_Misc_Indication_Mode",
                    options.nameDisplay ? 1 : 0};
        case cell::kCommonVFOMode:
            return {kVfoDisabled, "GI_Sheet_Sel_Misc_Enable", options.vfoEnabled ? 1 : 0};
        case cell::kCommonDuplex:
            return {kDuplex, "GI_Sheet_Sel_Misc_Enable", options.duplexEnabled ? 1 : 0};
        case cell::kCommonLIGHTKey:
            return {kLightKey, "GI_Sheet_Sel_Common_Light", options.lightKey};
        default:
            return {kChannelSpacing, "GI_Sheet_Sel_Common_ChSp", options.channelSpacing};
    }
}

}  // namespace

void OptionFlagCells::Evaluate(CellEvaluation& evaluation) {
    const CellId id = evaluation.cell.link.cellId;
    RadioConfiguration& options = evaluation.options;
    const FlagSetting setting = SettingOf(id, options);
    std::int32_t value = setting.shown;
    const EntryResult result =
        ChoiceEntry(evaluation.request, evaluation.lists, {setting.list, cell::kFlex0}, value);
    evaluation.TakeEntry(result);
    if (!result.changed) {
        return;
    }
    EepromImage& image = evaluation.channels.Image();
    switch (id) {
        case cell::kCommonIndicationMode:
            options.nameDisplay = value != 0;
            break;
        case cell::kCommonVFOMode:
            options.vfoEnabled = value != 0;
            evaluation.notify |= notify::kAllLinked;
            break;
        case cell::kCommonDuplex:
            options.duplexEnabled = value != 0;
            break;
        case cell::kCommonLIGHTKey:
            options.lightKey = value;
            evaluation.notify |= notify::kAllLinked;
            break;
        default:
            options.channelSpacing = value;
            break;
    }
    // The radio keeps the VFO switch inverted: 1 switches it off.
    image.SetByte(setting.address,
                  static_cast<std::uint8_t>(id == cell::kCommonVFOMode ? 1 - value : value));
    environment_.options.Update(options);
    if (id == cell::kCommonChSpacing) {
        environment_.controller.ReapplyModelRules();
    }
}

}  // namespace orvane
