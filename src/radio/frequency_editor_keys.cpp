#include "radio/frequency_editor_keys.h"

#include <string>

#include "radio/editor_start.h"
#include "radio/entry_keys.h"
#include "radio/frequency.h"
#include "radio/memory_channel.h"
#include "sheet/cell_request.h"

namespace orvane {
namespace {

CellOpening OpenEditor(CellRequest& request, std::string text, std::size_t caret,
                       std::size_t selection) {
    request.text = std::move(text);
    request.selStart = static_cast<std::int32_t>(caret);
    request.selLength = static_cast<std::int32_t>(selection);
    return CellOpening::kOpenEditor;
}

}  // namespace

CellOpening OpenFrequencyEditor(CellRequest& request, const MemoryChannel& channel,
                                const FrequencyCell& cell) {
    const std::int32_t code = key::ActsAsEnter(request.keyCode) ? key::kEnter : request.keyCode;
    if (code == '.') {
        const std::size_t point = request.text.find('.');
        return OpenEditor(request, request.text,
                          point == std::string::npos ? request.text.size() : point + 1, 0);
    }
    if (code == '=' && !cell.rxCell) {
        const std::string rx = FormatFrequency(channel.rxHz);
        return OpenEditor(request, rx, 0, rx.size());
    }
    if (key::IsDigit(code)) {
        StartWithCharacter(request, static_cast<char>(code));
        return CellOpening::kOpenEditor;
    }
    if (code == key::kEnter) {
        std::string start = !cell.homeForm && !channel.used ? std::string() : request.text;
        const std::size_t length = start.size();
        return OpenEditor(request, std::move(start), 0, length);
    }
    return CellOpening::kNothingToOpen;
}

}  // namespace orvane
