#include "radio/clone_info_cells.h"

#include "image/image_layout.h"
#include "radio/cell_evaluation.h"
#include "radio/controller_port.h"
#include "radio/text_entry.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr int kLastModelLine = 4;

const char* Enabled(bool on) { return on ? "Enable" : "Disable"; }

}  // namespace

void CloneInfoCells::Evaluate(CellEvaluation& evaluation) {
    const RadioIdentity identity = environment_.controller.LastRadioIdentity();
    std::string& text = evaluation.request.text;
    switch (evaluation.cell.link.cellId) {
        case cell::kCloneInfoModel: {
            const int line = identity.ModelType();
            // Combinations no model has are named by no line.
            text = line <= kLastModelLine ? environment_.texts.GetText("GI_AppInd_Model", line)
                                          : std::string();
            break;
        }
        case cell::kCloneInfoComment: {
            // Shown and selectable for copying; the radio's own value is never changed here.
            std::string comment(identity.Comment().begin(), identity.Comment().end());
            TextEntry(evaluation.request, comment, kCommentLength);
            break;
        }
        case cell::kCloneInfoWxInh:
            text = Enabled(identity.Wx());
            break;
        default:
            text = Enabled(identity.Vor());
            break;
    }
}

}  // namespace orvane
