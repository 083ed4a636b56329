#include "cli/cli_help.h"

#include <algorithm>
#include <ostream>

#include "cli/verb_arguments.h"
#include "orvane_version.h"

namespace orvane::cli {
namespace {

constexpr std::size_t kLineWidth = 79;

// Each parameter with its help beside it, the help wrapped under itself.
void PrintParameters(std::ostream& out, std::span<const CliParameter> parameters) {
    std::size_t column = 0;
    for (const CliParameter& parameter : parameters) {
        column = std::max(column, ParameterText(parameter).size());
    }
    column += 4;
    for (const CliParameter& parameter : parameters) {
        std::string text = "  " + ParameterText(parameter);
        for (const std::string& line : WrapText(parameter.help, kLineWidth - column)) {
            text.resize(column, ' ');
            out << text << line << '\n';
            text.clear();
        }
    }
}

int RunHelp(const CliInvocation& invocation) {
    const auto positionals = invocation.arguments.Positionals();
    if (positionals.empty()) {
        PrintUsage(invocation.out);
        return kExitOk;
    }
    if (const CliCommand* command = FindCommand(positionals[0])) {
        PrintCommandHelp(invocation.out, *command);
        return kExitOk;
    }
    invocation.err << "orvane-cli: unknown command '" << positionals[0] << "'\n";
    return kExitUsage;
}

constexpr std::array kHelpParameters = {
    Positional("COMMAND", "the command whose help to show", Presence::kOptional),
};

}  // namespace

CliCommand HelpCommand() {
    return CliCommand{"help", "show the help of orvane-cli or of one command", kHelpParameters, "",
                      RunHelp};
}

std::vector<std::string> WrapText(std::string_view text, std::size_t width) {
    std::vector<std::string> lines(1);
    std::size_t start = text.find_first_not_of(' ');
    while (start != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, end - start);
        if (!lines.back().empty() && lines.back().size() + 1 + word.size() > width) {
            lines.emplace_back();
        }
        if (!lines.back().empty()) {
            lines.back() += ' ';
        }
        lines.back() += word;
        start = text.find_first_not_of(' ', end);
    }
    return lines;
}

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
    out << "\nOptions:\n";
    PrintParameters(out, kGlobalOptions);
    out << "\nExit status:";
    for (const ExitStatus& status : kExitStatuses) {
        out << (&status == kExitStatuses.data() ? " " : ", ") << status.code << ' '
            << status.meaning;
    }
    out << ".\n";
}

void PrintCommandHelp(std::ostream& out, const CliCommand& command) {
    out << "Usage: orvane-cli " << command.name;
    if (!command.parameters.empty()) {
        out << ' ' << Synopsis(command);
    }
    out << "\n\n" << command.summary << '\n';
    if (!command.parameters.empty()) {
        out << '\n';
        PrintParameters(out, command.parameters);
    }
    if (!command.description.empty()) {
        out << '\n' << command.description << '\n';
    }
}

void PrintVersion(std::ostream& out) { out << "orvane-cli " << kOrvaneVersion << '\n'; }

void PrintUsageError(std::ostream& err, const CliCommand& command, std::string_view problem) {
    err << "orvane-cli " << command.name << ": " << problem << '\n'
        << "Usage: orvane-cli " << command.name << ' ' << Synopsis(command) << '\n'
        << "Run 'orvane-cli help " << command.name << "' for details.\n";
}

int UsageError(const CliInvocation& invocation, std::string_view problem) {
    PrintUsageError(invocation.err, invocation.command, problem);
    return kExitUsage;
}

}  // namespace orvane::cli
