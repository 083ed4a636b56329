#pragma once
// The texts of --help, --version and "help VERB".

#include <iosfwd>

#include "cli/cli_command.h"

namespace orvane::cli {

void PrintUsage(std::ostream& out);
void PrintCommandHelp(std::ostream& out, const CliCommand& command);
void PrintVersion(std::ostream& out);

// The "help" verb.
int RunHelp(const CliInvocation& invocation);

}  // namespace orvane::cli
