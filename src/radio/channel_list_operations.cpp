#include "radio/channel_list_operations.h"

#include <algorithm>
#include <set>

#include "base/message_bus.h"
#include "platform/prompter.h"
#include "platform/text_clipboard.h"
#include "radio/bank_channel_requests.h"
#include "radio/bank_exchange.h"
#include "radio/cell_evaluation.h"
#include "radio/channel_array.h"
#include "radio/channel_clipboard.h"
#include "radio/channel_tab_text.h"
#include "radio/memory_map.h"
#include "radio/notify_flags.h"
#include "radio/popup_item_cells.h"
#include "radio/user_messages.h"
#include "sheet/sheet_messages.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr int kChannelKind = static_cast<int>(ListKind::Channels);

}  // namespace

bool ChannelListOperations::ClipboardHolds(ListKind kind) const {
    return clipboard_.HasData(static_cast<int>(kind));
}

void ChannelListOperations::Run(CellEvaluation& evaluation, const ListRange& range) {
    const CellId command = evaluation.request.commandId;
    if (evaluation.owner == nullptr) {
        return;
    }
    const ListKind kind = ListKindOf(*evaluation.owner);
    // A command the menu shows disabled does nothing when it arrives another way.
    if (ListCommandDisabled(command, evaluation, range, ClipboardHolds(kind))) {
        return;
    }
    const Block block = TargetBlock(evaluation);
    if (kind == ListKind::Banks) {
        MoveBanks(evaluation, block, command == cell::kPMenuCarryUp ? -1 : 1);
        return;
    }
    if (kind != ListKind::Channels) {
        return;
    }
    // The rows of the list the block reaches into; rows past the list belong to other
    // banks and are never touched.
    const Block clipped{std::max(block.from, range.first), std::min(block.to, range.last)};
    const bool bankMode = evaluation.BankMode();
    switch (command) {
        case cell::kPMenuCopy:
            Copy(evaluation, range, clipped);
            break;
        case cell::kPMenuPaste:
            Paste(evaluation, range);
            break;
        case cell::kPMenuCarryUp:
        case cell::kPMenuCarryDown:
            MoveChannels(evaluation, range, block, command == cell::kPMenuCarryUp ? -1 : 1);
            break;
        case cell::kPMenuClear:
            Clear(evaluation, clipped);
            break;
        case cell::kPMenuDelete:
            if (bankMode) {
                DeleteInBank(evaluation, range, clipped);
            } else {
                DeleteInList(evaluation, range, clipped);
            }
            break;
        case cell::kPMenuInsert:
            if (bankMode) {
                InsertInBank(evaluation, range, block);
            } else {
                InsertInList(evaluation, range, clipped);
            }
            break;
        default:
            break;
    }
}

void ChannelListOperations::Copy(CellEvaluation& evaluation, const ListRange& range, Block block) {
    if (block.from > block.to) {
        return;
    }
    clipboard_.CopyFrom(evaluation.channels, kChannelKind, block.from, block.Length());
    Select(evaluation.request, block);
    Status("GI_AppMess_S_Copy");
    if (desktopClipboard_ != nullptr) {
        desktopClipboard_->SetText(
            ChannelsAsTabText(clipboard_.Channels(), range.bank, range.first));
    }
}

void ChannelListOperations::Paste(CellEvaluation& evaluation, const ListRange& range) {
    const int position = evaluation.owner->link.index;
    if (position < range.first || position > range.last || !clipboard_.HasData(kChannelKind)) {
        return;
    }
    const int count = std::min(range.last - position + 1, clipboard_.Count());
    const Block target{position, position + count - 1};
    if (count <= 0 || (AnyUsed(evaluation, target) && !Confirm("GI_AppMess_Conv_Overwrite"))) {
        return;
    }
    clipboard_.PasteTo(evaluation.channels, kChannelKind, position, count, &evaluation.options);
    evaluation.notify |= count == 1 ? notify::kSameIndex : notify::kSameCategory;
    Select(evaluation.request, target);
    Status("GI_AppMess_S_Paste");
}

void ChannelListOperations::MoveChannels(CellEvaluation& evaluation, const ListRange& range,
                                         Block block, int direction) {
    const bool fits = block.from >= range.first && block.to <= range.last;
    const bool roomBeyond = direction > 0 ? block.to < range.last : block.from > range.first;
    if (!fits || !roomBeyond) {
        return;
    }
    const int neighbour = direction > 0 ? block.to + 1 : block.from - 1;
    // The block and its neighbour trade places as whole records.
    ChannelArray array(evaluation.channels.Image(), evaluation.options.modelType);
    if (direction > 0) {
        array.Rotate(block.from, neighbour, neighbour + 1);
    } else {
        array.Rotate(neighbour, block.from, block.to + 1);
    }
    evaluation.notify |= notify::kSameCategory;
    Select(evaluation.request, {block.from + direction, block.to + direction});
    MoveCursor(evaluation, neighbour);
}

void ChannelListOperations::Clear(CellEvaluation& evaluation, Block block) {
    if (block.from > block.to || !Confirm("GI_AppMess_Conv_Clear")) {
        return;
    }
    ChannelArray array(evaluation.channels.Image(), evaluation.options.modelType);
    for (int position = block.from; position <= block.to; ++position) {
        array.Blank(position);
        MemoryChannel channel = evaluation.channels.Load(kChannelKind, position);
        ApplyModelFilter(channel, evaluation.options);
        evaluation.channels.Store(channel);
    }
    evaluation.notify |= notify::kSameCategory;
    Status("GI_AppMess_S_Clear");
}

void ChannelListOperations::DeleteInBank(CellEvaluation& evaluation, const ListRange& range,
                                         Block block) {
    // Bank 0 always keeps one channel.
    const bool wholeFirstBank = range.bank == 0 && block.Length() >= range.capacity;
    if (block.from > block.to || wholeFirstBank ||
        (AnyUsed(evaluation, block) && !Confirm("GI_AppMess_Conv_Delete"))) {
        return;
    }
    const int at = std::min(evaluation.owner->link.index, block.from);
    for (int row = 0; row < block.Length(); ++row) {
        RequestDeleteInBank(bus_, range.bank, at);
    }
    evaluation.notify |= notify::kSameCategory;
    evaluation.request.selectionFlags &= ~CellRequest::kSelectRange;
    MoveCursor(evaluation, block.from);
    Status("GI_AppMess_S_Delete");
}

void ChannelListOperations::DeleteInList(CellEvaluation& evaluation, const ListRange& range,
                                         Block block) {
    if (block.from > block.to ||
        (AnyUsed(evaluation, block) && !Confirm("GI_AppMess_Conv_Delete"))) {
        return;
    }
    ChannelArray array(evaluation.channels.Image(), evaluation.options.modelType);
    for (int from = block.to + 1; from <= range.last; ++from) {
        array.Move(from, block.from + (from - block.to - 1));
    }
    for (int position = block.from + (range.last - block.to); position <= range.last; ++position) {
        array.Blank(position);
    }
    evaluation.notify |= notify::kSameCategory;
    MoveCursor(evaluation, block.from);
    Status("GI_AppMess_S_Delete");
}

void ChannelListOperations::InsertInBank(CellEvaluation& evaluation, const ListRange& range,
                                         Block block) {
    const int at = std::min(evaluation.owner->link.index, block.from);
    for (int row = 0; row < block.Length(); ++row) {
        const BankTable& banks = evaluation.banks;
        if (banks.TotalCapacity() >= memory_map::kChannelCount ||
            banks.BankCapacity(range.bank) >= memory_map::kMaxBankCapacity) {
            ShowErrorMessage(texts_, prompter_, "GI_AppMess_ChErr_Overflow");
            break;
        }
        RequestInsertInBank(bus_, range.bank, at);
    }
    evaluation.notify |= notify::kSameCategory;
    Select(evaluation.request, block);
    Status("GI_AppMess_S_Insert");
}

void ChannelListOperations::InsertInList(CellEvaluation& evaluation, const ListRange& range,
                                         Block block) {
    const int count = block.Length();
    // The rows pushed off the end of the list must be blank.
    if (block.from > block.to || AnyUsed(evaluation, {range.last - count + 1, range.last})) {
        return;
    }
    ChannelArray array(evaluation.channels.Image(), evaluation.options.modelType);
    for (int from = range.last - count; from >= block.from; --from) {
        array.Move(from, from + count);
    }
    for (int position = block.from; position <= block.to; ++position) {
        array.Blank(position);
    }
    evaluation.notify |= notify::kSameCategory;
    Select(evaluation.request, block);
    Status("GI_AppMess_S_Insert");
}

void ChannelListOperations::MoveBanks(CellEvaluation& evaluation, Block block, int direction) {
    const Block banks{std::max(block.from, 0), std::min(block.to, memory_map::kBankCount - 1)};
    const bool roomBeyond = direction > 0 ? banks.to < memory_map::kBankCount - 1 : banks.from > 0;
    if (banks.from > banks.to || !roomBeyond) {
        return;
    }
    EepromImage& image = evaluation.channels.Image();
    std::set<int> changed;
    for (int k = 0; k < banks.Length(); ++k) {
        // The earlier of the two banks exchanged.
        const int earlier = direction > 0 ? banks.to - k : banks.from + k - 1;
        // Bank 0 never becomes empty.
        if (earlier == 0 && evaluation.banks.BankCapacity(1) == 0) {
            break;
        }
        ExchangeBanks(image, evaluation.options.modelType, earlier);
        changed.insert({earlier, earlier + 1});
    }
    if (changed.empty()) {
        return;
    }
    for (int bank : changed) {
        bus_.PostText(message::kBankNodeCaptionUpdate, 0, bank,
                      evaluation.banks.BankDisplayName(bank, false), false);
    }
    evaluation.notify |= notify::kAllLinked;
    Select(evaluation.request, {banks.from + direction, banks.to + direction});
}

ChannelListOperations::Block ChannelListOperations::TargetBlock(const CellEvaluation& evaluation) {
    const CellRequest& request = evaluation.request;
    if ((request.selectionFlags & CellRequest::kRangeActive) != 0) {
        return {std::min(request.rangeFrom, request.rangeTo),
                std::max(request.rangeFrom, request.rangeTo)};
    }
    const int row = evaluation.owner->link.index;
    return {row, row};
}

bool ChannelListOperations::AnyUsed(const CellEvaluation& evaluation, Block block) {
    for (int position = block.from; position <= block.to; ++position) {
        if (evaluation.channels.Load(kChannelKind, position).used) {
            return true;
        }
    }
    return false;
}

void ChannelListOperations::Select(CellRequest& request, Block block) {
    request.rangeFrom = block.from;
    request.rangeTo = block.to;
    request.selectionFlags |= CellRequest::kSelectRange;
}

void ChannelListOperations::MoveCursor(CellEvaluation& evaluation, int index) {
    const CellLink& owner = evaluation.owner->link;
    evaluation.request.moveTo = CellLink{owner.category, owner.cellId, index};
    evaluation.request.moveRequested = true;
}

bool ChannelListOperations::Confirm(std::string_view key) {
    const Prompt prompt{texts_.FirstLine("GI_Sys_AppTitle"), texts_.GetMultiLineText(key),
                        PromptIcon::Warning, PromptButtons::OkCancel};
    return prompter_.Ask(prompt) == PromptAnswer::Ok;
}

void ChannelListOperations::Status(std::string_view key) {
    ShowStatusText(bus_, texts_.FirstLine(key));
}

}  // namespace orvane
