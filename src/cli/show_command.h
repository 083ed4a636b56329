#pragma once
// The "show" verb: the tree or one sheet of a clone data file as the desktop program
// shows them, as text.

#include "cli/cli_command.h"

namespace orvane::cli {

CliCommand ShowCommand();

}  // namespace orvane::cli
