#include "cli/clone_verb_options.h"

#include <unistd.h>

#include <ostream>

#include "cli/cli_command.h"

namespace orvane::cli {

bool ParseCloneVerbArguments(const CliInvocation& invocation, std::string_view verb,
                             std::string_view usage, CloneVerbOptions& options,
                             const std::function<bool(std::size_t& index)>& takeOwn) {
    const auto& arguments = invocation.arguments;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--high-speed") {
            options.highSpeed = true;
        } else if (arguments[i] == "--port" && i + 1 < arguments.size()) {
            options.port = ParsePort(arguments[++i]);
            if (!options.port) {
                invocation.err << "orvane-cli " << verb << ": '" << arguments[i]
                               << "' is not a port (COM1..COM256, 1..256 or a device path)\n";
                return false;
            }
        } else if (!takeOwn(i)) {
            invocation.err << "orvane-cli " << verb << ": unexpected argument '" << arguments[i]
                           << "'\n"
                           << usage;
            return false;
        }
    }
    return true;
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
