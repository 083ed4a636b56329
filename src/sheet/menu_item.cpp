#include "sheet/menu_item.h"

namespace orvane {

char MenuItem::AccessKeyOf(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') {
            continue;
        }
        if (caption[i + 1] != '&') {
            return caption[i + 1];
        }
        ++i;  // "&&" is a literal ampersand
    }
    return 0;
}

void MenuItem::SetCaption(std::string text) {
    caption = std::move(text);
    accessKey = AccessKeyOf(caption);
    separator = caption == "-";
}

}  // namespace orvane
