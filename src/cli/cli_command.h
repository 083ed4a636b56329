#pragma once
// orvane-cli's verbs. Each verb lives in its own file and is listed in the command
// table; main() only parses the global options and dispatches.

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::cli {

// What a verb gets: its own arguments (after the verb) and the output streams.
struct CliInvocation {
    std::span<const std::string> arguments;
    std::ostream& out;
    std::ostream& err;
};

// Exit statuses shared by every verb.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct CliCommand {
    std::string_view name;
    std::string_view synopsis;  // arguments, as shown in the usage line
    std::string_view summary;   // one line for the command list
    std::string_view details;   // further lines for "help VERB"; may be empty
    int (*run)(const CliInvocation& invocation);
};

// Every verb, in the order the help lists them.
std::span<const CliCommand> CommandTable();
const CliCommand* FindCommand(std::string_view name);

}  // namespace orvane::cli
