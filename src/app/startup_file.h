#pragma once
// The desktop program's command line: the clone data file it was started with ("orvane
// club.zcf", or a file manager's double click), the switches, and --help and --version,
// which only inform and end the program before it needs a display.

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Turns on expert mode, in any case.
inline constexpr const char* kExpertSwitch = "/prolix";
inline constexpr const char* kHelpSwitch = "--help";
inline constexpr const char* kVersionSwitch = "--version";

// What the program is, after its name in the usage and the manual page.
inline constexpr std::string_view kProgramSummary =
    "the cloning program for the HT-Lk1, HT-Lk2 and HT-Lk1S/Lk2S transceivers";

// One entry of the command line, as the usage and the manual page describe it.
struct StartupSwitch {
    std::string_view name;  // as typed; "FILE" stands for the file to open
    std::string_view help;  // one line
};

// The usage lines after the program name, and every entry they name, in that order.
inline constexpr std::array kStartupSynopsis = {std::string_view("[/prolix] [FILE]"),
                                                std::string_view("--help | --version")};
inline constexpr std::array kStartupSwitches = {
    StartupSwitch{"FILE", "a clone data file (.zcf) to open; a running copy opens it"},
    StartupSwitch{kExpertSwitch, "expert mode (any case)"},
    StartupSwitch{kHelpSwitch, "show this help and exit (-h too)"},
    StartupSwitch{kVersionSwitch, "show the version and exit"},
};

// The first argument after the program name that is no switch, whether or not such a
// file exists: a file that cannot be opened is reported, not passed over in silence.
std::optional<std::string> FileToOpenAtStart(const std::vector<std::string>& arguments);

// When the command line asks for the usage or the version, prints it to `out` and returns
// true; the program then ends with status 0.
bool PrintRequestedInformation(const std::vector<std::string>& arguments, std::ostream& out);

}  // namespace orvane
