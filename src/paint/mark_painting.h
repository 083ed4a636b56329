#pragma once
// The warning and error marks on screen: the printed marks' polygons in colour, a red
// cross for an error and a yellow triangle with a dark exclamation mark for a warning.
// The grid's cells and the tree's node images both draw them here.

#include <QIcon>
#include <QRect>

class QPainter;

namespace orvane {

// The mark filling the square `box`.
void PaintMark(QPainter& painter, bool error, const QRect& box);

// The mark as an icon that draws itself sharp at whatever size it is asked for.
QIcon MarkIcon(bool error);

}  // namespace orvane
