#include "sheet/choice_index.h"

#include <algorithm>

#include "base/name_table.h"
#include "sheet/cell_parser.h"
#include "sheet/definition_text.h"

namespace orvane {

ChoiceIndex::ChoiceIndex(TextStore& textStore, CellVocabulary& vocabulary)
    : textStore_(textStore), vocabulary_(vocabulary), buckets_(kBuckets) {}

std::string ChoiceIndex::Key(std::string_view sheetName, std::int32_t cellId) {
    return std::string(sheetName) + "#" + std::to_string(cellId);
}

const ChoiceIndex::ChoiceList* ChoiceIndex::Find(const std::string& key) const {
    for (const Bucketed& entry : buckets_[NameHash(key, kBuckets)]) {
        if (entry.key == key) {
            return &entry.list;
        }
    }
    return nullptr;
}

const ChoiceIndex::ChoiceList& ChoiceIndex::Build(const std::string& key,
                                                  std::string_view sheetName, std::int32_t cellId) {
    // Only called for a key not yet present, so a list is never read twice.
    ChoiceList list;
    CellParser parser(textStore_, vocabulary_);
    SheetCounters counters{};
    const std::vector<std::string> lines = BodyLines(textStore_, std::string(sheetName) + "_Cells");
    list.lineCount = static_cast<int>(lines.size());
    for (int line = 0; line < list.lineCount; ++line) {
        std::string_view remainder = lines[static_cast<std::size_t>(line)];
        int column = 0;
        for (; !remainder.empty(); ++column) {
            SheetCell cell;
            remainder = parser.ParseCell(cell, remainder, &counters, nullptr);
            if (cell.link.cellId == cellId) {
                list.byValue.push_back(
                    Entry{line, column, cell.link.index, cell.linkText.value_or(cell.text)});
            }
        }
        list.maxCells = std::max(list.maxCells, column);
    }
    list.byPosition = list.byValue;
    std::stable_sort(list.byValue.begin(), list.byValue.end(),
                     [](const Entry& a, const Entry& b) { return a.value < b.value; });
    // Multi-column lists are read down each column.
    const auto position = [&list](const Entry& entry) {
        return static_cast<std::int64_t>(entry.line) +
               static_cast<std::int64_t>(list.lineCount) * entry.column;
    };
    std::stable_sort(
        list.byPosition.begin(), list.byPosition.end(),
        [&position](const Entry& a, const Entry& b) { return position(a) < position(b); });
    auto& bucket = buckets_[NameHash(key, kBuckets)];
    bucket.push_front(Bucketed{key, std::move(list)});
    return bucket.front().list;
}

std::string ChoiceIndex::GetChoiceText(std::string_view sheetName, std::int32_t cellId,
                                       std::int32_t value) {
    const std::string key = Key(sheetName, cellId);
    const ChoiceList* list = Find(key);
    if (list == nullptr) {
        list = &Build(key, sheetName, cellId);
    }
    const auto found = std::lower_bound(
        list->byValue.begin(), list->byValue.end(), value,
        [](const Entry& entry, std::int32_t wanted) { return entry.value < wanted; });
    if (found == list->byValue.end() || found->value != value) {
        return "error";
    }
    return found->text;
}

std::optional<std::int32_t> ChoiceIndex::Cycle(std::string_view sheetName, std::int32_t cellId,
                                               std::int32_t value, int step) const {
    const ChoiceList* list = Find(Key(sheetName, cellId));
    if (list == nullptr || list->byPosition.empty()) {
        return std::nullopt;
    }
    const auto& entries = list->byPosition;
    const auto count = static_cast<std::int64_t>(entries.size());
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [value](const Entry& entry) { return entry.value == value; });
    std::int64_t target = (found - entries.begin()) + static_cast<std::int64_t>(step);
    if (target >= count) {
        target = 0;
    } else if (target < 0) {
        target = count - 1;
    }
    return entries[static_cast<std::size_t>(target)].value;
}

}  // namespace orvane
