#pragma once
// The desktop program's command line: the clone data file it was started with ("orvane
// club.zcf", or a file manager's double click), the switches, and --help and --version,
// which only inform and end the program before it needs a display.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// Turns on expert mode, in any case.
inline constexpr const char* kExpertSwitch = "/prolix";

// The first argument after the program name that is no switch, whether or not such a
// file exists: a file that cannot be opened is reported, not passed over in silence.
std::optional<std::string> FileToOpenAtStart(const std::vector<std::string>& arguments);

// When the command line asks for the usage or the version, prints it to `out` and returns
// true; the program then ends with status 0.
bool PrintRequestedInformation(const std::vector<std::string>& arguments, std::ostream& out);

}  // namespace orvane
