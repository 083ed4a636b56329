#include "cli/cli_help.h"

#include <algorithm>
#include <ostream>

#include "orvane_version.h"

namespace orvane::cli {

void PrintUsage(std::ostream& out) {
    out << "Usage: orvane-cli [--help] [--version] COMMAND [ARGUMENTS...]\n"
           "\n"
           "Orvane's command-line tool for the HT-Lk1, HT-Lk2 and HT-Lk1S/Lk2S clone data.\n"
           "\n"
           "Commands:\n";
    for (const CliCommand& command : CommandTable()) {
        std::string name(command.name);
        name.resize(std::max<std::size_t>(name.size(), 10), ' ');
        out << "  " << name << "  " << command.summary << '\n';
    }
    out << "\n"
           "Options:\n"
           "  --help      show this help and exit\n"
           "  --version   show the version and exit\n"
           "\n"
           "Exit status: 0 success, 1 failure, 2 usage error.\n";
}

void PrintCommandHelp(std::ostream& out, const CliCommand& command) {
    out << "Usage: orvane-cli " << command.name;
    if (!command.synopsis.empty()) {
        out << ' ' << command.synopsis;
    }
    out << "\n\n" << command.summary << '\n';
    if (!command.details.empty()) {
        out << '\n' << command.details << '\n';
    }
}

void PrintVersion(std::ostream& out) { out << "orvane-cli " << kOrvaneVersion << '\n'; }

int RunHelp(const CliInvocation& invocation) {
    if (invocation.arguments.empty()) {
        PrintUsage(invocation.out);
        return kExitOk;
    }
    if (invocation.arguments.size() == 1) {
        if (const CliCommand* command = FindCommand(invocation.arguments[0])) {
            PrintCommandHelp(invocation.out, *command);
            return kExitOk;
        }
        invocation.err << "orvane-cli: unknown command '" << invocation.arguments[0] << "'\n";
        return kExitUsage;
    }
    invocation.err << "Usage: orvane-cli help [COMMAND]\n";
    return kExitUsage;
}

}  // namespace orvane::cli
