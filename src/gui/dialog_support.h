#pragma once
// What the program's small dialogs share: the dialog font of the definitions, and the
// placement centred over the main window and kept on the desktop's work area.

#include <QFont>
#include <QRect>

class QWidget;

namespace orvane {

class TextStore;

// The font of "CellModel_BasicDialog".
QFont DialogFont(TextStore& texts);

// `window` centred on `owner`, then moved onto `workArea`: right and bottom edges first,
// then left and top, so that a window larger than the work area shows its top left.
QRect CentredOver(QRect window, const QRect& owner, const QRect& workArea);

// Moves `window` (already at its final size) to the place CentredOver gives.
void PlaceOverOwner(QWidget& window, const QWidget& owner);

}  // namespace orvane
