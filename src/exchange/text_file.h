#pragma once
// Whole text files for the exchange formats: read at once, written through a temporary
// file so that a failed write leaves the old file as it was.

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Empty when the file cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);
bool WriteTextFile(const std::string& path, std::string_view text);

}  // namespace orvane
