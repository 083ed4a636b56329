#include "radio/choice_entry.h"

#include <algorithm>

#include "radio/choice_lists.h"
#include "radio/editor_start.h"
#include "radio/entry_keys.h"
#include "sheet/cell_request.h"
#include "sheet/sheet_cell.h"

namespace orvane {
namespace {

std::string Upper(std::string text) {
    for (char& c : text) {
        c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return text;
}

std::string TrimmedUpper(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return Upper(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

bool IsChosenRow(const CellRequest& request, const ChoiceList& list) {
    return request.textOrigin == TextOrigin::kChoice && request.parentRequest != nullptr &&
           request.parentRequest->cell != nullptr &&
           request.parentRequest->cell->link.cellId == list.rowCell;
}

}  // namespace

EntryResult ChoiceEntry(CellRequest& request, ChoiceLists& lists, const ChoiceList& list,
                        std::int32_t& value) {
    EntryResult result;
    if (IsChosenRow(request, list)) {
        value = request.parentRequest->cell->link.index;
        result.changed = true;
        return result;
    }
    request.text = lists.Text(list.key, list.rowCell, value);
    if (!request.fromGrid) {
        return result;
    }
    const std::int32_t code = request.keyCode;
    if (code == key::kSpace || code == key::kBackspace) {
        const auto next = lists.Step(list.key, list.rowCell, value, code == key::kSpace ? 1 : -1);
        if (next) {
            value = *next;
            result.changed = true;
            request.text = lists.Text(list.key, list.rowCell, value);
        }
    } else if (code == key::kEnter && request.openChoice) {
        request.openChoice(request, list.key, CellLink{category::kNone, list.rowCell, value});
        result.open = CellOpening::kOpenedPopup;
    }
    return result;
}

EntryResult ChoiceEntryTyped(CellRequest& request, ChoiceLists& lists, const ChoiceList& list,
                             std::int32_t& value) {
    bool typedMatch = false;
    if (request.textOrigin == TextOrigin::kEditor) {
        const std::string typed = TrimmedUpper(request.text);
        for (const ChoiceRow& row : lists.Rows(list.key, list.rowCell)) {
            if (Upper(row.text.substr(0, std::min(row.text.size(), typed.size()))) == typed) {
                value = row.value;
                typedMatch = true;
                break;
            }
        }
    }
    const std::int32_t code = request.keyCode;
    if (request.fromGrid && code > key::kSpace && code <= key::kLastPrintable) {
        StartWithCharacter(request, static_cast<char>(code));
        return EntryResult{typedMatch, CellOpening::kOpenEditor};
    }
    EntryResult result = ChoiceEntry(request, lists, list, value);
    result.changed = result.changed || typedMatch;
    return result;
}

}  // namespace orvane
