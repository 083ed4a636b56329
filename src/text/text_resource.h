#pragma once
// A text resource: an ordered array of lines fixed when the program is built. A line
// made of "#" and a key opens that key's block; "#End_Of_Ovl" ends the resource.

#include <cstddef>
#include <string_view>
#include <vector>

namespace orvane {

class TextResource {
public:
    // Splits `text` into lines, which stay views into it: `text` must outlive the
    // resource (the built-in resources are static). A CR before a line feed is not part of the
    // line, so a resource edited on another platform reads the same.
    explicit TextResource(std::string_view text);

    std::size_t LineCount() const { return lines_.size(); }
    // Past the last line: an empty line.
    std::string_view Line(std::size_t index) const;

private:
    std::vector<std::string_view> lines_;
};

// The resources built into the program: every caption, message, menu body and sheet
// definition; and the table of help topics.
const TextResource& MainResource();
const TextResource& HelpTopicResource();

}  // namespace orvane
