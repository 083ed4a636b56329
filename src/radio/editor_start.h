#pragma once
// How the value entries hand the in-place editor its start text and selection.

namespace orvane {

struct CellRequest;

// The request's text, all of it selected.
void SelectWholeText(CellRequest& request);
// Only the typed character, the caret after it.
void StartWithCharacter(CellRequest& request, char character);

}  // namespace orvane
