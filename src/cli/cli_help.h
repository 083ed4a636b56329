#pragma once
// The texts of --help, --version and "help VERB", made from the command table and each
// verb's parameter table.

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_command.h"

namespace orvane::cli {

// The options orvane-cli takes before a verb; "VERB --help" shows the verb's help too.
inline constexpr CliParameter kHelpOption =
    Switch("help", "show this help and exit (-h too); after a command, its help");
inline constexpr CliParameter kVersionOption = Switch("version", "show the version and exit");
inline constexpr std::array kGlobalOptions = {kHelpOption, kVersionOption};

void PrintUsage(std::ostream& out);
void PrintCommandHelp(std::ostream& out, const CliCommand& command);
void PrintVersion(std::ostream& out);

// "orvane-cli VERB: PROBLEM" and the verb's usage line, on `err`.
void PrintUsageError(std::ostream& err, const CliCommand& command, std::string_view problem);
// The same for a verb's own check of its arguments; returns kExitUsage.
int UsageError(const CliInvocation& invocation, std::string_view problem);

// `text` in lines of at most `width` characters, words kept whole.
std::vector<std::string> WrapText(std::string_view text, std::size_t width);

// The "help" verb.
CliCommand HelpCommand();

}  // namespace orvane::cli
