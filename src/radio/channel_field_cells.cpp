#include "radio/channel_field_cells.h"

#include "radio/cell_evaluation.h"
#include "radio/choice_entry.h"
#include "radio/frequency.h"
#include "radio/memory_map.h"
#include "radio/name_codec.h"
#include "radio/notify_flags.h"
#include "radio/text_entry.h"

namespace orvane {
namespace {

bool TunesWx(const CellEvaluation& evaluation) {
    return evaluation.options.Wx() && evaluation.channel.HasWx();
}

// A field's choice entry over a flag of the channel.
bool ChooseFlag(CellEvaluation& evaluation, const ChoiceList& list, bool& flag, bool typed) {
    std::int32_t value = flag ? 1 : 0;
    const EntryResult result =
        typed ? ChoiceEntryTyped(evaluation.request, evaluation.lists, list, value)
              : ChoiceEntry(evaluation.request, evaluation.lists, list, value);
    evaluation.TakeEntry(result);
    flag = value != 0;
    return result.changed;
}

}  // namespace

void ChannelFieldCells::Evaluate(CellEvaluation& evaluation) {
    if (evaluation.channel.kind != MemoryChannel::kMemory) {
        return;
    }
    switch (evaluation.cell.link.cellId) {
        case cell::kMchDup:
            Duplex(evaluation);
            break;
        case cell::kMchTxInhibit:
            TxInhibit(evaluation);
            break;
        case cell::kMchName:
            Name(evaluation);
            break;
        case cell::kMchWxCh:
            WxChannel(evaluation);
            break;
        default:
            Tag(evaluation);
            break;
    }
}

void ChannelFieldCells::Duplex(CellEvaluation& evaluation) {
    MemoryChannel& channel = evaluation.channel;
    if (ChooseFlag(evaluation, {"GI_Sheet_Sel_Mch_Dup", cell::kFlexMarking}, channel.duplex,
                   true)) {
        evaluation.StoreChannel(notify::kAllLinked);
    }
    if (TunesWx(evaluation)) {
        evaluation.NotApplicable();
    }
    evaluation.SetWarning(evaluation.checks.DuplexCheck(channel, false));
}

void ChannelFieldCells::TxInhibit(CellEvaluation& evaluation) {
    MemoryChannel& channel = evaluation.channel;
    if (ChooseFlag(evaluation, {"GI_Sheet_Sel_Mch_Tx_Inhibit", cell::kFlex0}, channel.txInhibit,
                   false)) {
        evaluation.StoreChannel(0);
    }
    const bool navWithoutDuplex =
        kNavBand.Contains(channel.rxHz) && !(channel.duplex && evaluation.options.duplexEnabled);
    if (TunesWx(evaluation) || navWithoutDuplex) {
        evaluation.NotApplicable();
    }
}

void ChannelFieldCells::Name(CellEvaluation& evaluation) {
    MemoryChannel& channel = evaluation.channel;
    std::string field = UnpackName(channel.name, channel.dotMask);
    const EntryResult result = TextEntry(evaluation.request, field, memory_map::kNameDisplayWidth);
    evaluation.TakeEntry(result);
    if (result.changed) {
        const PackedName packed = PackEnteredName(field, {channel.name, channel.dotMask});
        channel.name = packed.characters;
        channel.dotMask = packed.dotMask;
        evaluation.StoreChannel(0);
        evaluation.request.text = ShownName(packed);
    }
}

void ChannelFieldCells::WxChannel(CellEvaluation& evaluation) {
    MemoryChannel& channel = evaluation.channel;
    std::int32_t value = channel.wx;
    const EntryResult result = ChoiceEntryTyped(evaluation.request, evaluation.lists,
                                                {"GI_Sheet_Sel_Mch_WxCH", cell::kFlex0}, value);
    evaluation.TakeEntry(result);
    if (result.changed) {
        if (!channel.used) {
            evaluation.channels.TakeDefaults(channel, true);
        }
        channel.wx = value;
        evaluation.StoreChannel(0);
    }
}

void ChannelFieldCells::Tag(CellEvaluation& evaluation) {
    if (ChooseFlag(evaluation, {"GI_Sheet_Sel_Mch_Tag", cell::kFlex0}, evaluation.channel.tag,
                   false)) {
        evaluation.StoreChannel(0);
    }
}
}  // namespace orvane
