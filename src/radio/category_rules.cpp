#include "radio/category_rules.h"

#include "image/eeprom_image.h"
#include "radio/cell_evaluation.h"
#include "radio/cell_ids.h"
#include "radio/entry_keys.h"
#include "radio/frequency.h"
#include "radio/memory_map.h"
#include "sheet/sheet_cell.h"

namespace orvane {
namespace {

// Sends the request on to the receive-frequency cell of the same row: the separate RX
// cell where RX and TX have their own columns, else the combined one.
void RedirectTo(CellEvaluation& evaluation, CellId separateRx, CellId combined) {
    CellRequest& request = evaluation.request;
    request.moveRequested = true;
    request.moveTo = CellLink{evaluation.cell.link.category,
                              evaluation.options.DuplexVorBankModel() ? separateRx : combined,
                              evaluation.cell.link.index};
    request.repeatKey = request.keyCode;
}

// A key that may edit the cell, or text committed into it: drawing (key 0 and no text)
// is not an edit, so the transmit cells can still show "<-" and "---".
bool IsEdit(const CellEvaluation& evaluation) {
    const std::int32_t code = evaluation.Key();
    return (code != key::kNone && key::IsEditingKey(code)) ||
           evaluation.request.textOrigin == TextOrigin::kEditor;
}

bool IsBeyondRow(const CellEvaluation& evaluation) {
    return evaluation.BankMode() ? evaluation.BeyondBank() : !evaluation.channel.used;
}

}  // namespace

bool ApplyChannelRowRules(CellEvaluation& evaluation) {
    const CellId id = evaluation.cell.link.cellId;
    if (id == cell::kMiscChNo8264Only) {
        return false;
    }
    const bool editingKey = key::IsEditingKey(evaluation.Key());
    const bool beyond = IsBeyondRow(evaluation);
    if (beyond || (!evaluation.channel.used && editingKey)) {
        const bool frequencyCell = id == cell::kMchFreq || id == cell::kMchFreqRT;
        // A WX channel may be picked for a blank channel of the bank directly.
        const bool wxOfBlank = id == cell::kMchWxCh && !beyond;
        if (frequencyCell || wxOfBlank) {
            return false;
        }
        evaluation.request.text.clear();
        RedirectTo(evaluation, cell::kMchFreq, cell::kMchFreqRT);
        return true;
    }
    // Outside the navigation band the radio transmits on the receive frequency, so an
    // edit of the transmit cell goes to the receive cell instead; committed text is
    // dropped there rather than stored as a transmit frequency.
    if (id == cell::kMchFreqT && IsEdit(evaluation) &&
        !kNavBand.Contains(evaluation.channel.rxHz)) {
        evaluation.request.text.clear();
        RedirectTo(evaluation, cell::kMchFreq, cell::kMchFreqRT);
        return true;
    }
    return false;
}

bool ApplyHomeRules(CellEvaluation& evaluation) {
    if (evaluation.cell.link.cellId != cell::kHomeFreqT || !IsEdit(evaluation)) {
        return false;
    }
    const bool vfoMode = evaluation.channels.Image().GetByte(memory_map::kHomeMode) == 0 &&
                         evaluation.options.vfoEnabled;
    if (!vfoMode) {
        return false;
    }
    const MemoryChannel vfo = evaluation.channels.Load(MemoryChannel::kHomeVfo, 0);
    if (kNavBand.Contains(vfo.rxHz)) {
        return false;
    }
    evaluation.request.text.clear();
    RedirectTo(evaluation, cell::kHomeFreq, cell::kHomeFreqRT);
    return true;
}

}  // namespace orvane
