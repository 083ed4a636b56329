#include "radio/text_entry.h"

#include <algorithm>
#include <string>

#include "radio/editor_start.h"
#include "radio/entry_keys.h"
#include "radio/name_codec.h"
#include "sheet/cell_request.h"

namespace orvane {

EntryResult TextEntry(CellRequest& request, std::string& field, std::size_t width) {
    EntryResult result;
    if (request.textOrigin == TextOrigin::kEditor || request.textOrigin == TextOrigin::kChoice) {
        field = request.text.substr(0, std::min(request.text.size(), width));
        result.changed = true;
    }
    field.resize(width, ' ');
    for (char& c : field) {
        c = IsPrintable(c) ? c : ' ';
    }
    request.text = field.substr(0, field.find_last_not_of(' ') + 1);
    SelectWholeText(request);
    if (request.fromGrid) {
        const std::int32_t code = request.keyCode;
        if (key::ActsAsEnter(code)) {
            result.open = CellOpening::kOpenEditor;
        } else if (code > key::kSpace && code <= key::kLastPrintable) {
            StartWithCharacter(request, static_cast<char>(code));
            result.open = CellOpening::kOpenEditor;
        }
    }
    return result;
}

}  // namespace orvane
