#include "radio/conditional_setting_cells.h"

#include "image/eeprom_image.h"
#include "radio/cell_evaluation.h"
#include "radio/choice_entry.h"
#include "radio/choice_lists.h"
#include "radio/memory_map.h"
#include "radio/setting_addresses.h"

namespace orvane {
namespace {

using namespace setting_address;

constexpr const char* kScanVfoList = "GI_Sheet_Sel_Misc_Scan_VFO";
// The radio reads a stored 1 as OFF, like 0.
constexpr std::int32_t kTotOffValues = 1;

// The weather alert's three states.
constexpr std::int32_t kAlertStateDisabled = 0;
constexpr std::int32_t kAlertStateOff = 1;
constexpr std::int32_t kAlertStateOn = 2;

}  // namespace

void ConditionalSettingCells::Evaluate(CellEvaluation& evaluation) {
    switch (evaluation.cell.link.cellId) {
        case cell::kHomeTot:
            Tot(evaluation);
            break;
        case cell::kCommonAlert:
            Alert(evaluation);
            break;
        default:
            ScanVfo(evaluation);
            break;
    }
}

void ConditionalSettingCells::Tot(CellEvaluation& evaluation) {
    EepromImage& image = evaluation.channels.Image();
    std::int32_t value = image.GetByte(memory_map::kHomeTot);
    if (value <= kTotOffValues) {
        value = 0;
    }
    const bool offRefused = !evaluation.options.totOffAllowed;
    // An OFF the radio does not allow is still shown as OFF, with a warning; choosing
    // from the list then offers only times.
    const char* list =
        offRefused && value != 0 ? "GI_Sheet_Sel_Common_Tot" : "GI_Sheet_Sel_Common_Tot_Off";
    const EntryResult result =
        ChoiceEntry(evaluation.request, evaluation.lists, {list, cell::kFlex0}, value);
    evaluation.TakeEntry(result);
    if (result.changed) {
        image.SetByte(memory_map::kHomeTot, static_cast<std::uint8_t>(value));
    }
    evaluation.SetWarning(offRefused && value == 0);
}

void ConditionalSettingCells::Alert(CellEvaluation& evaluation) {
    EepromImage& image = evaluation.channels.Image();
    std::int32_t value = kAlertStateOff;
    if (image.GetByte(kWxAlertDisabled) == 1) {
        value = kAlertStateDisabled;
    } else if (image.GetByte(kAlertOn) != 0) {
        value = kAlertStateOn;
    }
    const EntryResult result = ChoiceEntry(evaluation.request, evaluation.lists,
                                           {"GI_Sheet_Sel_Common_Wxalt", cell::kFlex0}, value);
    evaluation.TakeEntry(result);
    if (result.changed) {
        image.SetByte(kWxAlertDisabled, value == kAlertStateDisabled ? 1 : 0);
        image.SetByte(kAlertOn, value == kAlertStateOn ? 1 : 0);
    }
}

void ConditionalSettingCells::ScanVfo(CellEvaluation& evaluation) {
    EepromImage& image = evaluation.channels.Image();
    if (evaluation.options.Vor()) {
        std::int32_t value = image.GetByte(kScanVfo);
        const EntryResult result =
            ChoiceEntry(evaluation.request, evaluation.lists, {kScanVfoList, cell::kFlex0}, value);
        evaluation.TakeEntry(result);
        if (result.changed) {
            image.SetByte(kScanVfo, static_cast<std::uint8_t>(value));
        }
    } else {
        // Without VOR only the communication band is scanned.
        evaluation.request.text = evaluation.lists.Text(kScanVfoList, cell::kFlex0, 0);
        evaluation.ReadOnly();
    }
    if (!evaluation.options.vfoEnabled || image.GetByte(kScan) == 1) {
        evaluation.NotApplicable();
    }
}

}  // namespace orvane
