#pragma once
// Which help topic belongs to a cell: the help texts map cell identifier names to topic
// names, and topic names to the numbers the help viewer opens.

#include "radio/cell_ids.h"

namespace orvane {

class TextStore;

// 0 when the cell has no topic.
int HelpContextOf(CellId cellId, TextStore& helpTexts);

}  // namespace orvane
