#include "radio/choice_lists.h"

#include <algorithm>

#include "radio/cell_ids.h"
#include "sheet/cell_parser.h"
#include "sheet/choice_index.h"
#include "sheet/sheet_cell.h"
#include "text/text_store.h"

namespace orvane {

const std::vector<ChoiceRow>& ChoiceLists::Rows(std::string_view listKey, std::int32_t rowCell) {
    std::string key = std::string(listKey) + "#" + std::to_string(rowCell);
    const auto found = rows_.find(key);
    if (found != rows_.end()) {
        return found->second;
    }
    std::vector<ChoiceRow> rows;
    CellParser parser(textStore_, vocabulary_);
    const std::string cellsKey = std::string(listKey) + "_Cells";
    for (int line = 0;; ++line) {
        const std::string text = textStore_.GetText(cellsKey, line);
        if (text.starts_with("#")) {
            break;
        }
        SheetCounters counters{};
        std::string_view remainder = text;
        while (!remainder.empty()) {
            SheetCell cell;
            remainder = parser.ParseCell(cell, remainder, &counters, nullptr);
            if (cell.link.cellId == rowCell) {
                rows.push_back({cell.link.index, cell.linkText ? *cell.linkText : cell.text});
            }
        }
    }
    return rows_.emplace(std::move(key), std::move(rows)).first->second;
}

std::string ChoiceLists::Text(std::string_view listKey, std::int32_t rowCell, std::int32_t value) {
    if (rowCell == cell::kFlex0) {
        return index_.GetChoiceText(listKey, rowCell, value);
    }
    const auto& rows = Rows(listKey, rowCell);
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [value](const ChoiceRow& r) { return r.value == value; });
    return row == rows.end() ? std::string() : row->text;
}

std::optional<std::int32_t> ChoiceLists::Step(std::string_view listKey, std::int32_t rowCell,
                                              std::int32_t value, int step) {
    if (rowCell == cell::kFlex0) {
        // The index only steps through a list it has read.
        index_.GetChoiceText(listKey, rowCell, value);
        return index_.Cycle(listKey, rowCell, value, step);
    }
    const auto& rows = Rows(listKey, rowCell);
    if (rows.empty()) {
        return std::nullopt;
    }
    const auto count = static_cast<int>(rows.size());
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [value](const ChoiceRow& r) { return r.value == value; });
    const int at = row == rows.end() ? count : static_cast<int>(row - rows.begin());
    int next = at + step;
    if (at == count) {
        next = step > 0 ? 0 : count - 1;
    } else if (next >= count) {
        next = 0;
    } else if (next < 0) {
        next = count - 1;
    }
    return rows[static_cast<std::size_t>(next)].value;
}

}  // namespace orvane
