#include <algorithm>
#include <array>

#include "cli/channel_exchange_verbs.h"
#include "cli/check_command.h"
#include "cli/cli_command.h"
#include "cli/cli_help.h"
#include "cli/info_command.h"
#include "cli/new_command.h"
#include "cli/print_command.h"
#include "cli/read_command.h"
#include "cli/show_command.h"
#include "cli/write_command.h"

namespace orvane::cli {
namespace {

// New verbs are added here, one line each; their code lives in <verb>_command.cpp.
const std::array kCommands = {
    HelpCommand(),   InfoCommand(),   CheckCommand(),    NewCommand(),
    ReadCommand(),   WriteCommand(),  ShowCommand(),     PrintCommand(),
    ExportCommand(), ImportCommand(), AirportsCommand(), DiffCommand(),
};

}  // namespace

std::string Synopsis(const CliCommand& command) {
    std::string synopsis;
    for (const CliParameter& parameter : command.parameters) {
        synopsis += (synopsis.empty() ? "" : " ") + SynopsisText(parameter);
    }
    return synopsis;
}

std::span<const CliCommand> CommandTable() { return kCommands; }

const CliCommand* FindCommand(std::string_view name) {
    auto it = std::find_if(kCommands.begin(), kCommands.end(),
                           [name](const CliCommand& command) { return command.name == name; });
    return it == kCommands.end() ? nullptr : &*it;
}

}  // namespace orvane::cli
