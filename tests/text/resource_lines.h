#pragma once
// Reading the shipped text resources as plain text: key and end lines, the body of a key
// through the store, the attribute groups of a line and the cell links among them, split
// as the sheet engine splits them. Shared by the text tests and by the radio tests that
// check the links against the data model's vocabulary.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/text_resource.h"
#include "text/text_store.h"

namespace orvane::testing {

using Lines = std::vector<std::string>;

inline bool IsKeyLine(std::string_view line) { return line.size() >= 2 && line.front() == '#'; }

inline bool EndsBody(std::string_view line) { return !line.empty() && line.front() == '#'; }

// Body lines of `key` through the store, up to the first line beginning with "#".
inline Lines Body(TextStore& store, const std::string& key) {
    Lines lines;
    for (int n = 0; n < 1000; ++n) {
        std::string line = store.GetText(key, n);
        if (EndsBody(line)) {
            return lines;
        }
        lines.push_back(std::move(line));
    }
    ADD_FAILURE() << key << ": no end of body within 1000 lines";
    return lines;
}

// The "(...)" groups of a line, in order; an opening "(" without a closing one is no group.
inline Lines AttributeGroups(std::string_view line) {
    Lines groups;
    std::size_t pos = 0;
    while ((pos = line.find('(', pos)) != std::string_view::npos) {
        const std::size_t close = line.find(')', pos + 1);
        if (close == std::string_view::npos) {
            break;
        }
        groups.emplace_back(line.substr(pos + 1, close - pos - 1));
        pos = close + 1;
    }
    return groups;
}

// A cell link "%[CT_name.]CL_name[[index]][:linkText]" split as the sheet engine splits it.
struct Link {
    std::string category;
    std::string cell;
    std::string index;  // text between the brackets, empty without them
    bool hasLinkText = false;
    std::string linkText;
};

inline Link ParseLink(std::string_view text) {
    Link link;
    const std::size_t dot = text.find('.');
    if (dot != std::string_view::npos) {
        link.category = std::string(text.substr(0, dot));
        text.remove_prefix(dot + 1);
    }
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
        link.hasLinkText = true;
        link.linkText = std::string(text.substr(colon + 1));
        text = text.substr(0, colon);
    }
    const std::size_t bracket = text.find('[');
    if (bracket != std::string_view::npos) {
        const std::size_t close = text.find(']', bracket);
        link.index = std::string(text.substr(bracket + 1, close - bracket - 1));
        text = text.substr(0, bracket);
    }
    link.cell = std::string(text);
    return link;
}

// The links of a line: every group beginning with "%" ("%%" in printf formats).
inline std::vector<Link> Links(std::string_view line) {
    std::vector<Link> links;
    for (const std::string& group : AttributeGroups(line)) {
        if (group.empty() || group.front() != '%') {
            continue;
        }
        std::string_view text = group;
        text.remove_prefix(text.rfind('%', 1) + 1);
        links.push_back(ParseLink(text));
    }
    return links;
}

// Every body line of the main resource with the key it belongs to.
inline std::vector<std::pair<std::string, std::string>> AllBodyLines() {
    std::vector<std::pair<std::string, std::string>> lines;
    const TextResource& resource = MainResource();
    std::string key;
    bool inBody = false;
    for (std::size_t i = 0; i < resource.LineCount(); ++i) {
        const std::string_view line = resource.Line(i);
        if (IsKeyLine(line)) {
            key = std::string(line.substr(1));
            inBody = true;
        } else if (EndsBody(line)) {
            inBody = false;
        } else if (inBody) {
            lines.emplace_back(key, std::string(line));
        }
    }
    return lines;
}

}  // namespace orvane::testing
