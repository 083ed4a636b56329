#include "sheet/sheet_call_text.h"

#include "sheet/definition_text.h"

namespace orvane {

SheetCallText SheetCallText::Parse(std::string_view text) {
    SheetCallText call;
    const std::size_t comma = text.find(',');
    std::string_view head = text.substr(0, comma);
    if (comma != std::string_view::npos) {
        call.parameter = std::string(text.substr(comma + 1));
    }
    if (head.starts_with('[')) {
        const std::size_t close = head.find(']');
        if (close != std::string_view::npos) {
            call.tag = std::string(head.substr(1, close - 1));
            head.remove_prefix(close + 1);
        }
    }
    call.name = std::string(head);
    return call;
}

std::optional<int> BankOfParameter(std::string_view parameter) {
    const std::size_t blank = parameter.find(' ');
    if (parameter.substr(0, blank) != "Bank") {
        return std::nullopt;
    }
    const std::string_view arguments =
        blank == std::string_view::npos ? std::string_view() : parameter.substr(blank + 1);
    return LeadingNumber(SplitAt(arguments, ',').front());
}

}  // namespace orvane
