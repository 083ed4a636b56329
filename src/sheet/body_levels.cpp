#include "sheet/body_levels.h"

namespace orvane {

std::vector<BodyItemLine> ItemLines(const std::vector<std::string>& lines) {
    std::vector<BodyItemLine> items;
    items.reserve(lines.size());
    for (const std::string& line : lines) {
        const std::size_t plus = line.find('+');
        if (plus == std::string::npos) {
            items.push_back(BodyItemLine{line.size(), std::string_view()});
        } else {
            items.push_back(BodyItemLine{plus, std::string_view(line).substr(plus + 1)});
        }
    }
    return items;
}

}  // namespace orvane
