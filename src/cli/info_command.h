#pragma once
// "orvane-cli info": asks the radio on the cloning cable who it is.

#include "cli/cli_command.h"

namespace orvane::cli {

CliCommand InfoCommand();

}  // namespace orvane::cli
