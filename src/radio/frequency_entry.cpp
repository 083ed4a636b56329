#include "radio/frequency_entry.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "radio/editor_start.h"
#include "radio/entry_keys.h"
#include "radio/frequency.h"
#include "radio/memory_channel.h"
#include "sheet/cell_request.h"
#include "sheet/sheet_cell.h"

namespace orvane {
namespace {

constexpr std::size_t kTypedLength = 7;

// The typed text as the entry reads it: digits and points only, at most seven.
std::string KeptText(const std::string& typed) {
    std::string kept;
    for (char c : typed) {
        if ((c >= '0' && c <= '9') || c == '.') {
            kept += c;
        }
    }
    kept.resize(std::min(kept.size(), kTypedLength));
    return kept;
}

// Megahertz as a decimal number up to a second point, in hertz (exact: seven characters
// hold at most six decimals), limited to the entry bounds.
Hertz ReadMegahertz(const std::string& kept) {
    std::uint64_t hertz = 0;
    std::size_t i = 0;
    for (; i < kept.size() && kept[i] != '.'; ++i) {
        hertz = hertz * 10 + static_cast<std::uint64_t>(kept[i] - '0');
    }
    hertz *= 1'000'000;
    std::uint64_t scale = 100'000;
    for (++i; i < kept.size() && kept[i] != '.' && scale > 0; ++i, scale /= 10) {
        hertz += static_cast<std::uint64_t>(kept[i] - '0') * scale;
    }
    if (hertz > kHighestFrequency) {
        return kHighestFrequency;
    }
    return hertz < kLowestFrequency ? kLowestFrequency : static_cast<Hertz>(hertz);
}

void SetAlignment(CellRequest& request, HorizontalAlignment alignment) {
    if (request.cell != nullptr) {
        request.cell->layout =
            static_cast<std::uint8_t>((request.cell->layout & ~SheetCell::kHorizontalMask) |
                                      static_cast<std::uint8_t>(alignment));
    }
}

void OpenEditor(CellRequest& request, std::string text, std::size_t caret, std::size_t selection) {
    request.text = std::move(text);
    request.selStart = static_cast<std::int32_t>(caret);
    request.selLength = static_cast<std::int32_t>(selection);
}

}  // namespace

EntryResult FrequencyEntry(CellRequest& request, MemoryChannel& channel, const FrequencyCell& cell,
                           const FrequencyRaster& raster) {
    const auto round = [&raster](Hertz hertz) {
        return RoundFrequency(hertz, raster.spacing, raster.spacing833Allowed);
    };
    EntryResult result;
    Hertz value = cell.rxCell ? channel.rxHz : channel.txHz;
    bool simplex = channel.rxHz == channel.txHz;
    channel.isNew = false;
    // A cell that shows nothing yet: the RX of a blank channel, the TX of a channel
    // that may not transmit.
    bool blankLook = !cell.homeForm && (cell.rxCell ? !channel.used : channel.txInhibit);

    if (request.textOrigin == TextOrigin::kEditor) {
        const std::string kept = KeptText(request.text);
        const Hertz typed = round(ReadMegahertz(kept));
        if (typed > 0 && !kept.empty()) {
            result.changed = true;
            if (cell.rxCell) {
                channel.isNew = IsUnsetFrequency(channel.rxHz);
                if (kNavBand.Contains(typed)) {
                    simplex = false;
                    if (channel.isNew) {
                        channel.txHz = kFirstComFrequency;
                    }
                } else {
                    channel.txHz = typed;
                }
            }
            value = typed;
            blankLook = false;
        }
    }

    value = round(std::clamp(value, kLowestFrequency, kHighestFrequency));
    if (result.changed && simplex && cell.rxCell) {
        channel.txHz = value;
    }
    SetAlignment(request,
                 cell.noAlignMarks ? HorizontalAlignment::Left : HorizontalAlignment::Right);
    request.text = FormatFrequency(value);

    if (request.fromGrid) {
        const std::int32_t code = key::ActsAsEnter(request.keyCode) ? key::kEnter : request.keyCode;
        if (code == '.') {
            const std::size_t point = request.text.find('.');
            OpenEditor(request, request.text,
                       point == std::string::npos ? request.text.size() : point + 1, 0);
            result.open = CellEvaluator::kOpenEditor;
        } else if (code == '=' && !cell.rxCell) {
            const std::string rx = FormatFrequency(channel.rxHz);
            OpenEditor(request, rx, 0, rx.size());
            result.open = CellEvaluator::kOpenEditor;
        } else if (key::IsDigit(code)) {
            StartWithCharacter(request, static_cast<char>(code));
            result.open = CellEvaluator::kOpenEditor;
        } else if (code == key::kEnter) {
            std::string start = !cell.homeForm && !channel.used ? std::string() : request.text;
            const std::size_t length = start.size();
            OpenEditor(request, std::move(start), 0, length);
            result.open = CellEvaluator::kOpenEditor;
        }
    }

    if (cell.rxCell) {
        channel.rxHz = value;
        if (!channel.used && !cell.homeForm) {
            if (simplex) {
                channel.txInhibit = blankLook;
                channel.txHz = value;
            }
            // A frequency given to a blank channel makes it a channel, whatever it
            // transmits on.
            channel.used = !blankLook;
        }
    } else {
        channel.txHz = value;
    }

    if (result.open == CellEvaluator::kNothingToOpen) {
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
