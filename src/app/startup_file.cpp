#include "app/startup_file.h"

#include <algorithm>
#include <ostream>

#include "app/app_settings.h"
#include "base/ascii_case.h"
#include "orvane_version.h"

namespace orvane {
namespace {

constexpr const char* kShortHelpSwitch = "-h";

bool IsSwitch(const std::string& argument) {
    return EqualIgnoringAsciiCase(argument, kExpertSwitch) ||
           argument == AppSettings::kAdjustArgument || argument == kHelpSwitch ||
           argument == kShortHelpSwitch || argument == kVersionSwitch;
}

void PrintUsage(std::ostream& out) {
    const char* lead = "Usage: orvane ";
    for (const std::string_view line : kStartupSynopsis) {
        out << lead << line << '\n';
        lead = "       orvane ";
    }
    out << "\nOrvane, " << kProgramSummary << ".\n\n";
    for (const StartupSwitch& entry : kStartupSwitches) {
        std::string name(entry.name);
        name.resize(std::max<std::size_t>(name.size(), 10), ' ');
        out << "  " << name << "  " << entry.help << '\n';
    }
}

}  // namespace

std::optional<std::string> FileToOpenAtStart(const std::vector<std::string>& arguments) {
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (!IsSwitch(arguments[i])) {
            return arguments[i];
        }
    }
    return std::nullopt;
}

bool PrintRequestedInformation(const std::vector<std::string>& arguments, std::ostream& out) {
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == kHelpSwitch || arguments[i] == kShortHelpSwitch) {
            PrintUsage(out);
            return true;
        }
        if (arguments[i] == kVersionSwitch) {
            out << "orvane " << kOrvaneVersion << '\n';
            return true;
        }
    }
    return false;
}

}  // namespace orvane
