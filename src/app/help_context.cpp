#include "app/help_context.h"

#include <charconv>
#include <string>
#include <string_view>

#include "radio/cell_names.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kTopicTable = "GI_AppItem_Topic_ID";
constexpr const char* kContextTable = "GI_AppItem_Context_ID";

// The value after the tab of the first line whose name is `name`; the table ends at the
// first line that begins with '#'.
std::string LookUp(TextStore& texts, const char* table, std::string_view name) {
    for (int line = 0;; ++line) {
        const std::string text = texts.GetText(table, line);
        if (text.starts_with('#')) {
            return {};
        }
        const std::size_t tab = text.find('\t');
        if (tab != std::string::npos && std::string_view(text).substr(0, tab) == name) {
            return text.substr(tab + 1);
        }
    }
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
    const std::string number = LookUp(helpTexts, kContextTable, topic);
    int context = 0;
    std::from_chars(number.data(), number.data() + number.size(), context);
    return context;
}

}  // namespace orvane
