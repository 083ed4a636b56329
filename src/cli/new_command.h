#pragma once
// The "new" verb: the data of a new document for a model, saved as the Save command
// saves it.

#include "cli/cli_command.h"

namespace orvane::cli {

CliCommand NewCommand();

}  // namespace orvane::cli
