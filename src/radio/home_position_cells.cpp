#include "radio/home_position_cells.h"

#include "image/eeprom_image.h"
#include "radio/cell_evaluation.h"
#include "radio/choice_entry.h"
#include "radio/editor_start.h"
#include "radio/frequency.h"
#include "radio/home_position.h"
#include "radio/memory_map.h"
#include "radio/notify_flags.h"
#include "radio/number_entry.h"
#include "sheet/sheet_cell.h"

namespace orvane {
namespace {

constexpr const char* kNoValue = "---";

void ShowNoValue(CellEvaluation& evaluation) {
    evaluation.request.text = kNoValue;
    evaluation.ReadOnly();
}

// A number entry over one image byte.
void ByteNumber(CellEvaluation& evaluation, std::int32_t address, std::int32_t maximum) {
    EepromImage& image = evaluation.channels.Image();
    std::int32_t value = image.GetByte(address);
    const EntryResult result = NumberEntry(evaluation.request, value, 0, maximum);
    evaluation.TakeEntry(result);
    if (result.changed) {
        image.SetByte(address, static_cast<std::uint8_t>(value));
    }
}

}  // namespace

void HomePositionCells::Evaluate(CellEvaluation& evaluation) {
    const bool vfoMode = evaluation.channels.Image().GetByte(memory_map::kHomeMode) == 0 &&
                         evaluation.options.vfoEnabled;
    const CellId id = evaluation.cell.link.cellId;
    switch (id) {
        case cell::kHomeMode:
            Mode(evaluation);
            return;
        case cell::kHomeBank:
            Bank(evaluation, vfoMode);
            return;
        case cell::kHomeCh:
            Channel(evaluation, vfoMode);
            return;
        default:
            break;
    }
    if (!vfoMode || id == cell::kHomeWX) {
        if (vfoMode) {
            ShowNoValue(evaluation);
        } else {
            ShowMemoryValue(evaluation);
        }
    } else if (id == cell::kHomeDup) {
        VfoDuplex(evaluation);
    } else {
        VfoFrequency(evaluation, id != cell::kHomeFreqT);
    }
}

void HomePositionCells::Mode(CellEvaluation& evaluation) {
    EepromImage& image = evaluation.channels.Image();
    std::int32_t value = image.GetByte(memory_map::kHomeMode);
    const EntryResult result = ChoiceEntry(evaluation.request, evaluation.lists,
                                           {"GI_Sheet_Sel_Mode", cell::kFlex0}, value);
    evaluation.TakeEntry(result);
    if (result.changed) {
        image.SetByte(memory_map::kHomeMode, static_cast<std::uint8_t>(value));
    }
    evaluation.notify |= notify::kSameCategory;
}

void HomePositionCells::Bank(CellEvaluation& evaluation, bool vfoMode) {
    evaluation.notify |= notify::kSameCategory;
    if (vfoMode) {
        ShowNoValue(evaluation);
        return;
    }
    ByteNumber(evaluation, memory_map::kHomeBank, memory_map::kBankCount - 1);
    const int bank = evaluation.channels.Image().GetByte(memory_map::kHomeBank);
    evaluation.SetError(evaluation.banks.BankCapacity(bank) == 0);
}

void HomePositionCells::Channel(CellEvaluation& evaluation, bool vfoMode) {
    evaluation.notify |= notify::kSameCategory;
    if (vfoMode) {
        ShowNoValue(evaluation);
        return;
    }
    const EepromImage& image = evaluation.channels.Image();
    if (evaluation.BankMode()) {
        const int bank = image.GetByte(memory_map::kHomeBank);
        const int capacity = evaluation.banks.BankCapacity(bank);
        if (capacity == 0) {
            ShowNoValue(evaluation);
            return;
        }
        evaluation.banks.ClampBankCursor();
        ByteNumber(evaluation, memory_map::kHomeChannels + bank, capacity - 1);
    } else {
        ByteNumber(evaluation, memory_map::kHomeChannels, memory_map::kExportChannelCount - 1);
    }
    const std::optional<int> position =
        HomeMemoryPosition(image, evaluation.banks, evaluation.BankMode());
    if (position) {
        const MemoryChannel home = evaluation.channels.Load(MemoryChannel::kMemory, *position);
        evaluation.SetError(!home.used || evaluation.checks.AnyCheck(home, true));
    }
}

void HomePositionCells::VfoFrequency(CellEvaluation& evaluation, bool rxCell) {
    MemoryChannel vfo = evaluation.channels.Load(MemoryChannel::kHomeVfo, 0);
    // A separate transmit frequency exists only for a receive frequency in the NAV band.
    if (!rxCell && !kNavBand.Contains(vfo.rxHz)) {
        ShowNoValue(evaluation);
        return;
    }
    const EntryResult result =
        FrequencyEntry(evaluation.request, vfo, {rxCell, true, true}, evaluation.Raster());
    evaluation.TakeEntry(result);
    if (result.changed) {
        evaluation.channels.StoreAndReload(vfo);
        evaluation.notify |= notify::kAllLinked;
    }
    const ChannelChecks& checks = evaluation.checks;
    if (rxCell) {
        evaluation.SetWarning(checks.RxCheck(vfo, true));
        return;
    }
    if (!vfo.duplex) {
        evaluation.NotApplicable();
    }
    evaluation.SetWarning(evaluation.options.duplexEnabled && checks.TxCheck(vfo, true));
}

void HomePositionCells::VfoDuplex(CellEvaluation& evaluation) {
    MemoryChannel vfo = evaluation.channels.Load(MemoryChannel::kHomeVfo, 0);
    std::int32_t value = vfo.duplex ? 1 : 0;
    const EntryResult result = ChoiceEntry(evaluation.request, evaluation.lists,
                                           {"GI_Sheet_Sel_Misc_OnOff", cell::kFlex0}, value);
    evaluation.TakeEntry(result);
    if (result.changed) {
        vfo.duplex = value != 0;
        evaluation.channels.StoreAndReload(vfo);
        evaluation.notify |= notify::kAllLinked;
    }
    evaluation.SetWarning(evaluation.checks.DuplexCheck(vfo, true));
}

void HomePositionCells::ShowMemoryValue(CellEvaluation& evaluation) {
    const CellId id = evaluation.cell.link.cellId;
    const std::optional<MemoryChannel> home = PresentChannel(evaluation);
    std::string& text = evaluation.request.text;
    text = kNoValue;
    if (home && id == cell::kHomeWX) {
        text = home->HasWx() ? std::to_string(home->wx + 1) : kNoValue;
    } else if (home && !home->HasWx()) {
        const FrequencyRaster raster = evaluation.Raster();
        switch (id) {
            case cell::kHomeDup:
                text = home->duplex ? "ON" : "OFF";
                break;
            case cell::kHomeFreqT:
                text = FormatFrequency(
                    RoundFrequency(home->txHz, raster.spacing, raster.spacing833Allowed));
                break;
            default:
                text = FormatFrequency(
                    RoundFrequency(home->rxHz, raster.spacing, raster.spacing833Allowed));
                break;
        }
    }
    const bool frequency =
        id == cell::kHomeFreq || id == cell::kHomeFreqT || id == cell::kHomeFreqRT;
    if (frequency && text != kNoValue) {
        evaluation.cell.layout =
            static_cast<std::uint8_t>((evaluation.cell.layout & ~SheetCell::kHorizontalMask) |
                                      static_cast<std::uint8_t>(HorizontalAlignment::Left));
        SelectWholeText(evaluation.request);
    }
    evaluation.ReadOnly();
}

std::optional<MemoryChannel> HomePositionCells::PresentChannel(CellEvaluation& evaluation) {
    const std::optional<int> position =
        HomeMemoryPosition(evaluation.channels.Image(), evaluation.banks, evaluation.BankMode());
    if (!position) {
        return std::nullopt;
    }
    MemoryChannel channel = evaluation.channels.Load(MemoryChannel::kMemory, *position);
    return channel.used ? std::optional<MemoryChannel>(channel) : std::nullopt;
}

}  // namespace orvane
