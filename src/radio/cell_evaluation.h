#pragma once
// The working state of one cell evaluation, handed to the binding of the cell: the
// request, the channel of the cell's row, the open bank and the answers collected so
// far (refresh mask, what to open, a refused edit).

#include <cstdint>

#include "radio/bank_table.h"
#include "radio/channel_checks.h"
#include "radio/channel_store.h"
#include "radio/current_bank.h"
#include "radio/entry_result.h"
#include "radio/frequency_entry.h"
#include "radio/memory_channel.h"
#include "sheet/cell_request.h"
#include "sheet/radio_configuration.h"
#include "sheet/sheet_cell.h"

namespace orvane {

class ChoiceLists;

namespace paint {
inline constexpr Colour kReadOnly = 0x00008080;       // olive
inline constexpr Colour kNotApplicable = 0x00C0C0C0;  // silver
inline constexpr Colour kSeparator = 0x00808080;      // grey
}  // namespace paint

struct CellEvaluation {
    CellEvaluation(CellRequest& request, EepromImage& image, const RadioConfiguration& options,
                   ChoiceLists& lists);

    std::int32_t Key() const { return request.keyCode; }
    bool BankMode() const { return options.BankMode(); }
    // In bank mode: the cell's row lies past the open bank's last channel, or the bank
    // has none.
    bool BeyondBank() const { return cell.link.index > bank.last || bank.capacity == 0; }
    FrequencyRaster Raster() const { return {options.channelSpacing, options.spacing833Allowed}; }

    // Painted olive; an editing key on it is reported as a refused edit.
    void ReadOnly();
    // Painted silver; the cell stays editable.
    void NotApplicable() { request.textColour = paint::kNotApplicable; }
    void SetWarning(bool on);
    void SetError(bool on);
    void TakeEntry(const EntryResult& result);
    // Stores the working channel and reloads it, raising `mask`.
    void StoreChannel(std::uint32_t mask);

    CellRequest& request;
    SheetCell& cell;
    // The cell whose value the request is about: the evaluated cell, or for a popup menu
    // item the cell on which the menu was opened (none when it was opened elsewhere).
    const SheetCell* owner;
    RadioConfiguration options;
    ChannelStore channels;
    BankTable banks;
    ChannelChecks checks;
    ChoiceLists& lists;
    CurrentBank bank;
    MemoryChannel channel;
    std::uint32_t notify = 0;
    CellOpening open = CellOpening::kNothingToOpen;
    bool editRestricted = false;
};

}  // namespace orvane
