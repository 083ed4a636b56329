#pragma once
// What the program's small windows share: their texts and the dialog font of the
// definitions, the placement centred over the main window and the placement under a
// cell, both kept on the desktop's work area.

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <string_view>

class QWidget;

namespace orvane {

class TextStore;

// Line `line` of the window's text `key`, its "%s" replaced by `value`.
QString WindowText(TextStore& texts, const char* key, int line, std::string_view value = {});

// The font of "CellModel_BasicDialog".
QFont DialogFont(TextStore& texts);

// `window` centred on `owner`, then moved onto `workArea`: right and bottom edges first,
// then left and top, so that a window larger than the work area shows its top left.
QRect CentredOver(QRect window, const QRect& owner, const QRect& workArea);

// Where a window of `size` that belongs to the screen rectangle `cell` goes: under the
// cell, 8 pixels in from its left edge. When it would pass the work area's bottom it
// goes above the cell if there is more room there, else to the bottom of the work area
// and, if there is room, left of the cell so that it does not cover it. It never passes
// the work area's right edge.
QRect BelowCell(QSize size, const QRect& cell, const QRect& workArea);

// Moves `window` (already at its final size) to the place CentredOver gives.
void PlaceOverOwner(QWidget& window, const QWidget& owner);

}  // namespace orvane
