#include "radio/editor_start.h"

#include "sheet/cell_request.h"

namespace orvane {

void SelectWholeText(CellRequest& request) {
    request.selStart = 0;
    request.selLength = static_cast<std::int32_t>(request.text.size());
}

void StartWithCharacter(CellRequest& request, char character) {
    request.text.assign(1, character);
    request.selStart = 1;
    request.selLength = 0;
}

}  // namespace orvane
