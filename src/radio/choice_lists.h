#pragma once
// The choice lists of the settings: the texts that show a value and the order the user
// steps through them. Lists of plain value rows come from the shared choice index; rows
// of other cells (the duplex list) are read here, once per list, in row order.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class TextStore;
class CellVocabulary;
class ChoiceIndex;

struct ChoiceRow {
    std::int32_t value = 0;
    std::string text;  // the link's parameter text when it has one, else the label
};

class ChoiceLists {
public:
    ChoiceLists(TextStore& textStore, CellVocabulary& vocabulary, ChoiceIndex& index)
        : textStore_(textStore), vocabulary_(vocabulary), index_(index) {}

    // The rows of list `listKey` linked to `rowCell`, in the order of the definition.
    const std::vector<ChoiceRow>& Rows(std::string_view listKey, std::int32_t rowCell);

    // The text of the row for `value`. Plain value rows answer "error" for a value not
    // offered, rows of other cells an empty text.
    std::string Text(std::string_view listKey, std::int32_t rowCell, std::int32_t value);
    // The value `step` rows away; past either end the first or last row; a value not
    // offered steps to the first (forward) or last (backward) row.
    std::optional<std::int32_t> Step(std::string_view listKey, std::int32_t rowCell,
                                     std::int32_t value, int step);

private:
    TextStore& textStore_;
    CellVocabulary& vocabulary_;
    ChoiceIndex& index_;
    std::map<std::string, std::vector<ChoiceRow>, std::less<>> rows_;
};

}  // namespace orvane
