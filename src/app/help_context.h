#pragma once
// Which help topic belongs to a cell: the help texts map cell identifier names to topic
// names, and topic names to the numbers the help viewer opens.

#include <string>

#include "radio/cell_ids.h"

namespace orvane {

class TextStore;

// 0 when the cell has no topic.
int HelpContextOf(CellId cellId, TextStore& helpTexts);

// The topic name of a context number ("IDH1004" for 4), by which the help file knows the
// topic; empty when no topic has that number.
std::string HelpTopicName(int context, TextStore& helpTexts);

}  // namespace orvane
