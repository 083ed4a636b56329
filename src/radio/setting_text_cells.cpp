#include "radio/setting_text_cells.h"

#include <vector>

#include "image/eeprom_image.h"
#include "image/image_layout.h"
#include "radio/cell_evaluation.h"
#include "radio/name_codec.h"
#include "radio/setting_addresses.h"
#include "radio/text_entry.h"

namespace orvane {

void SettingTextCells::Evaluate(CellEvaluation& evaluation) {
    const bool opening = evaluation.cell.link.cellId == cell::kCommonOpeningText;
    const std::int32_t address = opening ? setting_address::kOpeningText : kCommentAddress;
    const auto width =
        static_cast<std::size_t>(opening ? setting_address::kOpeningTextWidth : kCommentLength);
    EepromImage& image = evaluation.channels.Image();
    std::vector<std::uint8_t> stored(width);
    image.ReadBlock(address, stored);
    std::string field(stored.begin(), stored.end());
    const EntryResult result = TextEntry(evaluation.request, field, width);
    evaluation.TakeEntry(result);
    if (!result.changed) {
        return;
    }
    if (opening) {
        // The radio's display knows only capitals, digits and "-".
        NormaliseName(field, NameRules{});
        evaluation.request.text = field.substr(0, field.find_last_not_of(' ') + 1);
    }
    image.WriteBlock(address, std::vector<std::uint8_t>(field.begin(), field.end()));
}

}  // namespace orvane
