#pragma once
// Small scanning helpers shared by the readers of definition texts. Every delimiter of
// the definition language is ASCII and UTF-8 continuation bytes never are, so scanning
// byte by byte only ever finds delimiters at single-character positions.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class TextStore;

std::string_view SkipBlanks(std::string_view text);  // leading blanks and tabs
std::string_view TrimBlanks(std::string_view text);  // both ends, blanks and tabs

// The parts between `separator` bytes; an empty text is one empty part.
std::vector<std::string_view> SplitAt(std::string_view text, char separator);

// A whole decimal number, optionally signed, with blanks around it; none otherwise.
std::optional<std::int32_t> ParseInteger(std::string_view text);
// The decimal number the text begins with (after blanks), 0 when there is none.
std::int32_t LeadingNumber(std::string_view text);

// The text after the first '=', empty without one.
std::string_view ValueAfterEquals(std::string_view text);
// The text after the first blank; none without a blank or with nothing after it.
std::optional<std::string_view> ArgumentAfterBlank(std::string_view text);

// The inner texts of the "( ... )" groups of a style or directive line; no nesting, no
// escapes, text between groups ignored. A group left open runs to the end of the line.
std::vector<std::string_view> ParenthesisGroups(std::string_view line);

// A fault text naming what it is about: "text" and, on the next line, 'name'.
std::string NamedFault(std::string_view text, std::string_view name);

// The lines of a body: every line of `key` before the first line beginning with '#'.
std::vector<std::string> BodyLines(TextStore& textStore, std::string_view key);
// Body line `n`, or none when the body is shorter.
std::optional<std::string> BodyLine(TextStore& textStore, std::string_view key, int n);

}  // namespace orvane
