#include "radio/setting_byte_cells.h"

#include <algorithm>

#include "image/eeprom_image.h"
#include "radio/cell_evaluation.h"
#include "radio/choice_entry.h"
#include "radio/notify_flags.h"
#include "radio/setting_addresses.h"

namespace orvane {
namespace {

using namespace setting_address;

// When a setting has no effect with the others as they are.
enum class Idle { Never, BatteryAuto, VfoOff, ScanOff, LightKeyIsVox };

struct ByteSetting {
    CellId cellId;
    std::int32_t address;
    const char* list;
    std::uint8_t bit;  // 0: the whole byte
    std::uint32_t changeMask;
    Idle idle;
};

constexpr const char* kOnOff = "GI_Sheet_Sel_Misc_OnOff";
constexpr const char* kEnable = "GI_Sheet_Sel_Misc_Enable";
constexpr const char* kEnableInverted = "GI_Sheet_Sel_Misc_Enable_I";
constexpr const char* kLock = "GI_Sheet_Sel_Common_Lock";

constexpr ByteSetting kSettings[] = {
    {cell::kHomeSqlLevel, kSqlLevel, "GI_Sheet_Sel_Sql_Level", 0, 0, Idle::Never},
    {cell::kHomeSideLevel, kSideLevel, "GI_Sheet_Sel_Side_Level", 0, 0, Idle::Never},
    {cell::kHomeANL, kAnl, kOnOff, 0, 0, Idle::Never},
    {cell::kHomeBeepLevel, kBeepLevel, kOnOff, 0, 0, Idle::Never},
    {cell::kHomeAlert, kAlertOn, kOnOff, 0, 0, Idle::Never},
    {cell::kHomeMicSens, kMicSensitivity, "GI_Sheet_Sel_Common_Mic", 0, 0, Idle::Never},
    {cell::kHomeIntMic, kInternalMic, kOnOff, 0, 0, Idle::Never},
    {cell::kHomeVOXLevel, kVoxLevel, "GI_Sheet_Sel_Common_Vox", 0, 0, Idle::Never},
    {cell::kHomeVOXDelay, kVoxDelay, "GI_Sheet_Sel_Common_Vox_Delay", 0, 0, Idle::Never},
    {cell::kCommonBatteryPack, kBatteryPack, "GI_Sheet_Sel_Common_Battery_Save", 0, 0,
     Idle::BatteryAuto},
    {cell::kCommonBatterySelect, kBatterySelect, "GI_Sheet_Sel_Common_Battery_Select", 0,
     notify::kAllLinked, Idle::Never},
    {cell::kCommonMemoryWrite, kMemoryWrite, kEnableInverted, 0, 0, Idle::Never},
    {cell::kCommonBankNameWrite, kBankNameWrite, kEnable, 0, 0, Idle::Never},
    {cell::kCommonVFOTx, kVfoTx, kEnableInverted, 0, 0, Idle::VfoOff},
    {cell::kCommonScan, kScan, kEnableInverted, 0, notify::kAllLinked, Idle::Never},
    {cell::kCommonSetMode, kSetMode, kEnableInverted, 0, 0, Idle::Never},
    {cell::kCommonHome, kHomeKey, kEnableInverted, 0, 0, Idle::Never},
    {cell::kCommonEMR, kEmr, kEnableInverted, 0, 0, Idle::Never},
    {cell::kCommonBATTCheck, kBatteryCheck, kEnable, 0, 0, Idle::Never},
    {cell::kCommonAdjustMode, kAdjustMode, kEnable, 0, 0, Idle::Never},
    {cell::kCommonDisplayMode, kDisplayMode, "GI_Sheet_Sel_Misc_DispMode", 0, 0, Idle::Never},
    {cell::kCommonScanMR, kScanMemory, "GI_Sheet_Sel_Misc_Scan_MR", 0, 0, Idle::ScanOff},
    {cell::kCommonLIGHTLock, kLocks, kLock, 0x10, 0, Idle::LightKeyIsVox},
    {cell::kCommonPTTLock, kLocks, kLock, 0x20, 0, Idle::Never},
    {cell::kCommonSQLLock, kLocks, kLock, 0x02, 0, Idle::Never},
    {cell::kCommonVOLLock, kLocks, kLock, 0x01, 0, Idle::Never},
};

bool IsIdle(Idle idle, const CellEvaluation& evaluation) {
    const EepromImage& image = evaluation.channels.Image();
    switch (idle) {
        case Idle::BatteryAuto:
            return image.GetByte(kBatterySelect) == 0;
        case Idle::VfoOff:
            return !evaluation.options.vfoEnabled;
        case Idle::ScanOff:
            return image.GetByte(kScan) == 1;
        case Idle::LightKeyIsVox:
            return evaluation.options.LightKeyIsVox();
        default:
            return false;
    }
}

}  // namespace

void SettingByteCells::Evaluate(CellEvaluation& evaluation) {
    const CellId id = evaluation.cell.link.cellId;
    const ByteSetting* setting =
        std::find_if(std::begin(kSettings), std::end(kSettings),
                     [id](const ByteSetting& s) { return s.cellId == id; });
    if (setting == std::end(kSettings)) {
        return;
    }
    EepromImage& image = evaluation.channels.Image();
    const std::uint8_t stored = image.GetByte(setting->address);
    std::int32_t value = setting->bit == 0 ? stored : ((stored & setting->bit) != 0 ? 1 : 0);
    const EntryResult result =
        ChoiceEntry(evaluation.request, evaluation.lists, {setting->list, cell::kFlex0}, value);
    evaluation.TakeEntry(result);
    if (result.changed) {
        std::uint8_t byte = static_cast<std::uint8_t>(value);
        if (setting->bit != 0) {
            byte = static_cast<std::uint8_t>(value != 0 ? (stored | setting->bit)
                                                        : (stored & ~setting->bit));
        }
        image.SetByte(setting->address, byte);
        evaluation.notify |= setting->changeMask;
    }
    if (IsIdle(setting->idle, evaluation)) {
        evaluation.NotApplicable();
    }
}

}  // namespace orvane
