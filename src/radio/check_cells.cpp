#include "radio/check_cells.h"

#include "image/eeprom_image.h"
#include "radio/cell_evaluation.h"
#include "radio/home_position.h"
#include "radio/memory_map.h"

namespace orvane {
namespace {

// Time-out timer values below this mean OFF.
constexpr std::uint8_t kFirstTotValue = 2;

}  // namespace

void CheckCells::Evaluate(CellEvaluation& evaluation) {
    const CellId id = evaluation.cell.link.cellId;
    const ChannelChecks& checks = evaluation.checks;
    if (id == cell::kCheckBankOp) {
        evaluation.SetError(checks.BankGap());
    } else if (id == cell::kCheckMemoryCH) {
        evaluation.SetWarning(checks.ListHasErrors());
    } else if (id == cell::kCheckHome) {
        CheckHome(evaluation);
    } else {
        evaluation.SetWarning(checks.BankHasErrors(id - cell::kCheckMemoryCH0));
    }
}

void CheckCells::CheckHome(CellEvaluation& evaluation) {
    const EepromImage& image = evaluation.channels.Image();
    const RadioConfiguration& options = evaluation.options;
    const ChannelChecks& checks = evaluation.checks;
    if (image.GetByte(memory_map::kHomeMode) == 0 && options.vfoEnabled) {
        const MemoryChannel vfo = evaluation.channels.Load(MemoryChannel::kHomeVfo, 0);
        evaluation.SetWarning(checks.AnyCheck(vfo, true));
    } else {
        const std::optional<int> position =
            HomeMemoryPosition(image, evaluation.banks, options.BankMode());
        const MemoryChannel home = position
                                       ? evaluation.channels.Load(MemoryChannel::kMemory, *position)
                                       : MemoryChannel{};
        evaluation.SetError(!home.used || checks.AnyCheck(home, true));
    }
    evaluation.SetWarning(!options.totOffAllowed &&
                          image.GetByte(memory_map::kHomeTot) < kFirstTotValue);
}

}  // namespace orvane
