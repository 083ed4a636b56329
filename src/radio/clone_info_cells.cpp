#include "radio/clone_info_cells.h"

#include "radio/cell_evaluation.h"
#include "radio/controller_port.h"
#include "radio/text_entry.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr std::size_t kCommentLength = 16;
constexpr std::size_t kFlagsA = 16;
constexpr std::uint8_t kExportBit = 0x01;
constexpr std::uint8_t kVorBit = 0x04;
constexpr std::uint8_t kWxBit = 0x08;
constexpr int kLastModelLine = 4;

const char* Enabled(bool on) { return on ? "Enable" : "Disable"; }

}  // namespace

void CloneInfoCells::Evaluate(CellEvaluation& evaluation) {
    const auto identity = environment_.controller.LastRadioIdentity();
    const std::uint8_t flags = identity[kFlagsA];
    std::string& text = evaluation.request.text;
    switch (evaluation.cell.link.cellId) {
        case cell::kCloneInfoModel: {
            // The same numbering as the model types: VOR 1, WX 2, export 4.
            const int line = ((flags & kVorBit) != 0 ? 1 : 0) + ((flags & kWxBit) != 0 ? 2 : 0) +
                             ((flags & kExportBit) != 0 ? 4 : 0);
            // Combinations no model has are named by no line.
            text = line <= kLastModelLine ? environment_.texts.GetText("GI_AppInd_Model", line)
                                          : std::string();
            break;
        }
        case cell::kCloneInfoComment: {
            // Shown and selectable for copying; the radio's own value is never changed here.
            std::string comment(identity.begin(), identity.begin() + kCommentLength);
            TextEntry(evaluation.request, comment, kCommentLength);
            break;
        }
        case cell::kCloneInfoWxInh:
            text = Enabled((flags & kWxBit) != 0);
            break;
        default:
            text = Enabled((flags & kVorBit) != 0);
            break;
    }
}

}  // namespace orvane
