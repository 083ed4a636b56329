#include "sheet/bank_channel_sheet.h"

#include <algorithm>
#include <cstdio>

#include "sheet/bank_directory.h"
#include "sheet/sheet_call_text.h"
#include "sheet/sheet_messages.h"

namespace orvane {

BankChannelSheet::BankChannelSheet(const SheetEnvironment& environment, std::string_view callText,
                                   const SheetOptions& options)
    : ChannelSheet(environment, callText, options) {}

void BankChannelSheet::SetParameter(std::string_view parameter) {
    Sheet::SetParameter(parameter);
    const std::optional<int> bank = BankOfParameter(parameter);
    bank_ = bank.value_or(0);
    firstChannel_ = bank ? Environment().banks.BankFirst(*bank) : 0;
    channelCount_ = bank ? std::max(0, Environment().banks.BankCapacity(*bank)) : 0;
}

void BankChannelSheet::Build() {
    ChannelSheet::Build();
    Environment().bus.Post(message::kBankSheetTitle, 0, 0, true);
}

void BankChannelSheet::ApplyDirective(std::string_view directive) {
    const bool bareLoopFrom =
        directive.starts_with("LoopFrom") && directive.find(' ') == std::string_view::npos;
    if (!bareLoopFrom) {
        ChannelSheet::ApplyDirective(directive);
        return;
    }
    // One row per channel, and on screen the extra row for entering a new channel, which
    // never takes part in line selections.
    LayoutState& layout = Layout();
    layout.loopStart = layout.line;
    layout.loopEnd = -1;
    layout.loopCount = Options().printing ? channelCount_ : channelCount_ + 1;
    layout.rowsInLoop = 0;
    firstLoopRow_ = RowCount();
    if (!Options().printing) {
        EnsureRowSource(firstLoopRow_ + channelCount_).lineSelectable = false;
    }
}

void BankChannelSheet::RecordRowSource(int row, int line, bool) {
    EnsureRowSource(row).line = line;
}

void BankChannelSheet::OnRowStart(int row) {
    if (row == firstLoopRow_) {
        MutableCounters()[0] = firstChannel_;
    }
}

void BankChannelSheet::LoadCells() {
    LoadBasicCell();
    const std::string key = CellsKey();
    LayoutPass(key);
    CreateSlots(kPreparedRows);
    FillCells(key);
    PrepareSpareRows();
    ApplyIndexOffset();
}

// Each spare row continues the last one: the same cells, linked to the next channel.
void BankChannelSheet::PrepareSpareRows() {
    for (int row = RowCount(); row < SlotRowCount(); ++row) {
        for (int column = 0; column < ColumnCount(); ++column) {
            CellSlot& slot = Slot(column, row);
            slot = Slot(column, row - 1);
            ++slot.cell.link.index;
        }
        SetRowHeight(row, RowHeight(row - 1));
    }
}

std::string BankChannelSheet::BankTitle() const {
    int used = 0;
    for (int bank = 0; bank < kBankCount; ++bank) {
        used += Environment().banks.BankCapacity(bank);
    }
    char remain[16];
    std::snprintf(remain, sizeof remain, "%2d", kChannelCount - used);
    std::string title = Environment().banks.BankName(bank_);
    title += " (Remain ";
    title += remain;
    title += " CH)";
    return title;
}

std::string BankChannelSheet::GetPrintTitle() const { return BankTitle(); }

bool BankChannelSheet::IsPrintable() const { return Sheet::IsPrintable() && channelCount_ > 0; }

void BankChannelSheet::SetLineSelectable(int row, bool selectable) {
    EnsureRowSource(row).lineSelectable = selectable;
    for (int column = 0; column < ColumnCount(); ++column) {
        CellSlot& slot = Slot(column, row);
        slot.flags = static_cast<std::uint8_t>(selectable && UsesLineSelection()
                                                   ? slot.flags | CellSlot::kLineSelectable
                                                   : slot.flags & ~CellSlot::kLineSelectable);
    }
}

bool BankChannelSheet::FollowReplacedData() {
    const std::optional<int> bank = BankOfParameter(Parameter());
    if (!bank) {
        return true;  // no bank: no channel rows to follow
    }
    if (Environment().banks.BankFirst(*bank) != firstChannel_) {
        return false;  // the rows would show other channels now
    }
    const int capacity = std::max(0, Environment().banks.BankCapacity(*bank));
    while (channelCount_ < capacity) {
        if (!AppendRow()) {
            return false;
        }
    }
    while (channelCount_ > capacity) {
        if (!RemoveLastRow()) {
            return false;
        }
    }
    return true;
}

bool BankChannelSheet::AppendRow() {
    if (RowCount() >= SlotRowCount()) {
        return false;  // every prepared row is in use
    }
    const int previousLast = RowCount() - 1;
    ++channelCount_;
    SetRowCount(RowCount() + 1);
    SetLineSelectable(previousLast, true);
    SetLineSelectable(previousLast + 1, false);
    SetRowHeight(previousLast + 1, RowHeight(previousLast));
    if (Listener() != nullptr) {
        Listener()->OnRowCountChanged(*this);
    }
    return true;
}

bool BankChannelSheet::RemoveLastRow() {
    // The rows before the channels and the extra row always stay.
    if (RowCount() <= std::max(firstLoopRow_ + 1, 1)) {
        return false;
    }
    --channelCount_;
    SetRowCount(RowCount() - 1);
    SetLineSelectable(RowCount() - 1, false);
    if (Listener() != nullptr) {
        Listener()->OnRowCountChanged(*this);
    }
    return true;
}

void BankChannelSheet::OnBusMessage(const BusMessage& message) {
    switch (message.kind) {
        case message::kBankSheetTitle:
            SetTitle(BankTitle());
            break;
        case message::kCurrentBankQuery:
            Environment().bus.Reply(bank_, firstChannel_);
            break;
        case message::kBankSheetAppendRow:
            AppendRow();
            break;
        case message::kBankSheetRemoveRow:
            RemoveLastRow();
            break;
        default:
            ChannelSheet::OnBusMessage(message);
            break;
    }
}

}  // namespace orvane
