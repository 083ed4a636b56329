#include "cli/clone_verb_options.h"

#include <ostream>

#include "cli/cli_command.h"

namespace orvane::cli {

bool TakeCloneOption(const CliInvocation& invocation, std::string_view verb, std::size_t& index,
                     CloneVerbOptions& options, bool& usageError) {
    const auto& arguments = invocation.arguments;
    if (arguments[index] == "--high-speed") {
        options.highSpeed = true;
        return true;
    }
    if (arguments[index] != "--port" || index + 1 >= arguments.size()) {
        return false;
    }
    options.port = ParsePort(arguments[++index]);
    if (!options.port) {
        invocation.err << "orvane-cli " << verb << ": '" << arguments[index]
                       << "' is not a port (COM1..COM256, 1..256 or a device path)\n";
        usageError = true;
        return false;
    }
    return true;
}

}  // namespace orvane::cli
