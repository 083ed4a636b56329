#pragma once
// The clone data file the program was started with ("orvane club.zcf", or a file
// manager's double click): the first argument after the program name that names an
// existing file. Switches such as "/prolix" name none.

#include <optional>
#include <string>
#include <vector>

namespace orvane {

std::optional<std::string> FileToOpenAtStart(const std::vector<std::string>& arguments);

}  // namespace orvane
