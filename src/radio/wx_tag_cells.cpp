#include "radio/wx_tag_cells.h"

#include "image/eeprom_image.h"
#include "radio/cell_evaluation.h"
#include "radio/choice_entry.h"
#include "radio/memory_map.h"

namespace orvane {

void WxTagCells::Evaluate(CellEvaluation& evaluation) {
    const int index = evaluation.cell.link.index;
    if (index < 0 || index >= memory_map::kWxChannelCount) {
        return;
    }
    EepromImage& image = evaluation.channels.Image();
    const std::int32_t address = memory_map::kWxChannelFlags + index;
    const std::uint8_t flags = image.GetByte(address);
    std::int32_t tag = (flags & memory_map::kFlagTag) != 0 ? 1 : 0;
    const EntryResult result = ChoiceEntry(evaluation.request, evaluation.lists,
                                           {"GI_Sheet_Sel_Mch_Tag", cell::kFlex0}, tag);
    evaluation.TakeEntry(result);
    if (result.changed) {
        image.SetByte(address,
                      static_cast<std::uint8_t>(tag != 0 ? (flags | memory_map::kFlagTag)
                                                         : (flags & ~memory_map::kFlagTag)));
    }
}

}  // namespace orvane
