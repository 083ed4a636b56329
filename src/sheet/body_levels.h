#pragma once
// The nesting of menu and tree bodies: a line's level is the number of bytes before
// its first '+', the text after that '+' is the item's cell. Deeper lines build the
// sub-level of the item above them; a shallower line ends a level.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct BodyItemLine {
    std::size_t level;
    std::string_view source;  // the cell text after the first '+'
};

// Splits each body line into its level and cell text. A line without '+' is an item
// with an empty cell at the level of its whole length.
std::vector<BodyItemLine> ItemLines(const std::vector<std::string>& lines);

// Builds one level from `first` under `parent`: `addItem(parent, source)` creates an item
// and returns it, so deeper lines can nest under it. Returns the line after the level.
template <typename Node, typename AddItem>
std::size_t BuildLevel(const std::vector<BodyItemLine>& lines, std::size_t first, Node& parent,
                       const AddItem& addItem) {
    if (first >= lines.size()) {
        return first;
    }
    const std::size_t level = lines[first].level;
    Node* last = nullptr;
    std::size_t i = first;
    while (i < lines.size() && lines[i].level >= level) {
        if (lines[i].level == level) {
            last = &addItem(parent, lines[i].source);
            ++i;
        } else {
            i = BuildLevel(lines, i, *last, addItem);
        }
    }
    return i;
}

}  // namespace orvane
