#pragma once
// The values and texts of the choice lists: for a choice sheet and a cell identifier,
// the cells of that identifier give the offered values (their index) and texts (their
// link text when the link has one, else their display text). Each list is read once,
// on first use, and kept.

#include <cstdint>
#include <forward_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class TextStore;
class CellVocabulary;

class ChoiceIndex {
public:
    static constexpr std::uint32_t kBuckets = 1031;

    ChoiceIndex(TextStore& textStore, CellVocabulary& vocabulary);

    // The text that shows `value`, reading the list first if needed; "error" for a value
    // the list does not offer.
    std::string GetChoiceText(std::string_view sheetName, std::int32_t cellId, std::int32_t value);
    // The value `step` places after `value` in the order the user sees the list (down
    // each column). Past either end it goes to the first or last entry; a value not in
    // the list counts as one past the end. None when the list has not been read yet or
    // offers nothing.
    std::optional<std::int32_t> Cycle(std::string_view sheetName, std::int32_t cellId,
                                      std::int32_t value, int step) const;

private:
    struct Entry {
        int line;
        int column;
        std::int32_t value;
        std::string text;
    };
    struct ChoiceList {
        int lineCount = 0;
        int maxCells = 0;
        std::vector<Entry> byValue;
        std::vector<Entry> byPosition;
    };
    struct Bucketed {
        std::string key;
        ChoiceList list;
    };

    static std::string Key(std::string_view sheetName, std::int32_t cellId);
    const ChoiceList* Find(const std::string& key) const;
    const ChoiceList& Build(const std::string& key, std::string_view sheetName,
                            std::int32_t cellId);

    TextStore& textStore_;
    CellVocabulary& vocabulary_;
    std::vector<std::forward_list<Bucketed>> buckets_;
};

}  // namespace orvane
