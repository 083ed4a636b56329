#pragma once
// The images the definitions name by index: the tree's node images and its two marks,
// and the toolbar's buttons. The program's own images are SVG resources; the file
// buttons take the desktop's icon theme where it has one.

#include <QIcon>

class QStyle;

namespace orvane::image_list {

// Tree images: 0 the radio, 1 a folder, 2 a sheet, 3 an open folder, 4 the warning mark,
// 5 the error mark, 6 an empty sheet. Null for any other index.
QIcon TreeImage(int index);
// Node image `image` with the mark image `markImage` (none when negative) drawn over it,
// at `size` pixels square.
QIcon TreeNodeIcon(int image, int markImage, int size);

// Toolbar images: 0 new, 1 open, 2 save, 7 clone read, 8 clone write, 9 clone
// information. Null for any other index.
QIcon ToolImage(int index, const QStyle& style);

// The program's icon.
QIcon ApplicationIcon();

}  // namespace orvane::image_list
