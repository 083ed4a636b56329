#include "app/help_context.h"

#include <charconv>
#include <string>
#include <string_view>
#include <utility>

#include "radio/cell_names.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kTopicTable = "GI_AppItem_Topic_ID";
constexpr const char* kContextTable = "GI_AppItem_Context_ID";

// The first line of `table` for which `matches` holds, given the name before the tab and
// the value after it; the table ends at the first line that begins with '#'. Returns the
// line's name and value, both empty when none matches.
template <typename Match>
std::pair<std::string, std::string> FindLine(TextStore& texts, const char* table, Match matches) {
    for (int line = 0;; ++line) {
        const std::string text = texts.GetText(table, line);
        if (text.starts_with('#')) {
            return {};
        }
        const std::size_t tab = text.find('\t');
        if (tab == std::string::npos) {
            continue;
        }
        std::string name = text.substr(0, tab);
        std::string value = text.substr(tab + 1);
        if (matches(name, value)) {
            return {std::move(name), std::move(value)};
        }
    }
}

// The value after the tab of the first line whose name is `name`.
std::string LookUp(TextStore& texts, const char* table, std::string_view name) {
    return FindLine(
               texts, table,
               [name](const std::string& lineName, const std::string&) { return lineName == name; })
        .second;
}

int NumberOf(const std::string& text) {
    int number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
}

}  // namespace

int HelpContextOf(CellId cellId, TextStore& helpTexts) {
    const std::string name = CellNames::CellIdName(cellId);
    if (name.empty()) {
        return 0;
    }
    const std::string topic = LookUp(helpTexts, kTopicTable, name);
    if (topic.empty()) {
        return 0;
    }
    return NumberOf(LookUp(helpTexts, kContextTable, topic));
}

std::string HelpTopicName(int context, TextStore& helpTexts) {
    if (context == 0) {
        return {};
    }
    return FindLine(helpTexts, kContextTable,
                    [context](const std::string&, const std::string& number) {
                        return NumberOf(number) == context;
                    })
        .first;
}

}  // namespace orvane
