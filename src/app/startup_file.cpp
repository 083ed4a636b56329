#include "app/startup_file.h"

#include <ostream>

#include "app/app_settings.h"
#include "base/ascii_case.h"
#include "orvane_version.h"

namespace orvane {
namespace {

constexpr const char* kHelpSwitch = "--help";
constexpr const char* kShortHelpSwitch = "-h";
constexpr const char* kVersionSwitch = "--version";

bool IsSwitch(const std::string& argument) {
    return EqualIgnoringAsciiCase(argument, kExpertSwitch) ||
           argument == AppSettings::kAdjustArgument || argument == kHelpSwitch ||
           argument == kShortHelpSwitch || argument == kVersionSwitch;
}

void PrintUsage(std::ostream& out) {
    out << "Usage: orvane [/prolix] [FILE]\n"
           "       orvane --help | --version\n"
           "\n"
           "Orvane, the cloning program for the HT-Lk1, HT-Lk2 and HT-Lk1S/Lk2S transceivers.\n"
           "\n"
           "  FILE        a clone data file (.zcf) to open; when Orvane already runs, the\n"
           "              running copy opens it\n"
           "  /prolix     expert mode (any case)\n"
           "  --help      show this help and exit\n"
           "  --version   show the version and exit\n";
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
