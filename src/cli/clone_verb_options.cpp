#include "cli/clone_verb_options.h"

#include <unistd.h>

#include "cli/cli_command.h"
#include "cli/cli_help.h"
#include "cli/verb_arguments.h"

namespace orvane::cli {

std::optional<CloneVerbOptions> ReadCloneVerbOptions(const CliInvocation& invocation) {
    CloneVerbOptions options;
    options.highSpeed = invocation.arguments.IsSet(kHighSpeedOption.name);
    if (const std::optional<std::string> port = invocation.arguments.Value(kPortOption.name)) {
        options.port = ParsePort(*port);
        if (!options.port) {
            UsageError(invocation,
                       "'" + *port + "' is not a port (COM1..COM256, 1..256 or a device path)");
            return std::nullopt;
        }
    }
    return options;
}

SessionOptions CloneSessionOptions(Prompter& prompter, TerminalProgress& progress,
                                   const CloneVerbOptions& options) {
    SessionOptions session(prompter);
    session.progress = isatty(STDERR_FILENO) != 0 ? &progress : nullptr;
    session.port = options.port;
    session.highSpeed = options.highSpeed;
    return session;
}

}  // namespace orvane::cli
