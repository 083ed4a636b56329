#pragma once
// orvane-cli's verbs. Each verb lives in its own file, declares its parameters in one
// table and is listed in the command table; main() only handles the global options,
// parses the verb's arguments by its table and dispatches.

#include <array>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "cli/cli_parameter.h"
#include "platform/fatal_handler.h"

namespace orvane::cli {

class VerbArguments;
struct CliCommand;

// What a verb gets: its own entry, its parsed arguments and the output streams.
struct CliInvocation {
    const CliCommand& command;
    const VerbArguments& arguments;
    std::ostream& out;
    std::ostream& err;
};

// Exit statuses shared by every verb.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct ExitStatus {
    int code;
    std::string_view meaning;
};

// Every exit status of orvane-cli, for its help and its manual page.
inline constexpr std::array kExitStatuses = {
    ExitStatus{kExitOk, "success"},
    ExitStatus{kExitFailed, "failure"},
    ExitStatus{kExitUsage, "usage error"},
    ExitStatus{kFatalExitCode, "internal fault"},
};

struct CliCommand {
    std::string_view name;
    std::string_view summary;                  // one line for the command list
    std::span<const CliParameter> parameters;  // in the order of the usage line
    // Paragraphs after the parameters in "help VERB" and in the manual page; may be empty.
    std::string_view description;
    int (*run)(const CliInvocation& invocation);
};

// The verb's parameters as the usage line shows them: "[--port PORT] [--high-speed]".
std::string Synopsis(const CliCommand& command);

// Every verb, in the order the help lists them.
std::span<const CliCommand> CommandTable();
const CliCommand* FindCommand(std::string_view name);

}  // namespace orvane::cli
