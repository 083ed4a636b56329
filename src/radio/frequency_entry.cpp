#include "radio/frequency_entry.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "radio/frequency.h"
#include "radio/frequency_editor_keys.h"
#include "radio/memory_channel.h"
#include "radio/typed_frequency.h"
#include "sheet/cell_request.h"
#include "sheet/sheet_cell.h"

namespace orvane {
namespace {

// The frequency a cell settles on, and how the channel around it is to look.
struct SettledFrequency {
    Hertz value = 0;
    bool simplex = false;
    // The cell shows nothing yet: the RX of a blank channel, the TX of a channel that
    // may not transmit.
    bool blankLook = false;
    bool changed = false;
};

SettledFrequency ShownFrequency(const MemoryChannel& channel, const FrequencyCell& cell) {
    SettledFrequency shown;
    shown.value = cell.rxCell ? channel.rxHz : channel.txHz;
    shown.simplex = channel.rxHz == channel.txHz;
    shown.blankLook = !cell.homeForm && (cell.rxCell ? !channel.used : channel.txInhibit);
    return shown;
}

// A typed RX frequency for a channel without one also chooses its TX frequency: a
// navigation frequency gets the first COM frequency, any other its own.
void TakeTypedFrequency(Hertz typed, MemoryChannel& channel, const FrequencyCell& cell,
                        SettledFrequency& settled) {
    settled.changed = true;
    if (cell.rxCell) {
        channel.isNew = IsUnsetFrequency(channel.rxHz);
        if (kNavBand.Contains(typed)) {
            settled.simplex = false;
            if (channel.isNew) {
                channel.txHz = kFirstComFrequency;
            }
        } else {
            channel.txHz = typed;
        }
    }
    settled.value = typed;
    settled.blankLook = false;
}

void StoreFrequency(MemoryChannel& channel, const FrequencyCell& cell,
                    const SettledFrequency& settled) {
    if (!cell.rxCell) {
        channel.txHz = settled.value;
        return;
    }
    channel.rxHz = settled.value;
    if (!channel.used && !cell.homeForm) {
        if (settled.simplex) {
            channel.txInhibit = settled.blankLook;
            channel.txHz = settled.value;
        }
        // A frequency given to a blank channel makes it a channel, whatever it
        // transmits on.
        channel.used = !settled.blankLook;
    }
}

void SetAlignment(CellRequest& request, HorizontalAlignment alignment) {
    if (request.cell != nullptr) {
        request.cell->layout =
            static_cast<std::uint8_t>((request.cell->layout & ~SheetCell::kHorizontalMask) |
                                      static_cast<std::uint8_t>(alignment));
    }
}

}  // namespace

EntryResult FrequencyEntry(CellRequest& request, MemoryChannel& channel, const FrequencyCell& cell,
                           const FrequencyRaster& raster) {
    const auto round = [&raster](Hertz hertz) {
        return RoundFrequency(hertz, raster.spacing, raster.spacing833Allowed);
    };
    channel.isNew = false;
    SettledFrequency settled = ShownFrequency(channel, cell);
    if (request.textOrigin == TextOrigin::kEditor) {
        const std::optional<Hertz> typed = ReadTypedFrequency(request.text);
        if (typed && round(*typed) > 0) {
            TakeTypedFrequency(round(*typed), channel, cell, settled);
        }
    }

    settled.value = round(std::clamp(settled.value, kLowestFrequency, kHighestFrequency));
    if (settled.changed && settled.simplex && cell.rxCell) {
        channel.txHz = settled.value;
    }
    SetAlignment(request,
                 cell.noAlignMarks ? HorizontalAlignment::Left : HorizontalAlignment::Right);
    request.text = FormatFrequency(settled.value);

    EntryResult result{settled.changed};
    if (request.fromGrid) {
        result.open = OpenFrequencyEditor(request, channel, cell);
    }
    StoreFrequency(channel, cell, settled);

    if (result.open == CellOpening::kNothingToOpen) {
        if (!channel.used && !cell.homeForm) {
            request.text.clear();
        } else if (!cell.rxCell && !cell.homeForm && channel.txHz == round(channel.rxHz)) {
            request.text = "<-";
            SetAlignment(request, HorizontalAlignment::Centre);
            request.markPosition = MarkPosition::kLeft;
        }
    }
    return result;
}

}  // namespace orvane
