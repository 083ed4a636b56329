#pragma once
// The "read" verb: the clone read flow against a radio on a serial port, then the data
// saved as the Save command saves it.

#include "cli/cli_command.h"

namespace orvane::cli {

CliCommand ReadCommand();

}  // namespace orvane::cli
