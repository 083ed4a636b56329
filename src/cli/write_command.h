#pragma once
// The "write" verb: a clone data file opened as the Open command opens it, then the
// clone write flow against a radio on a serial port.

#include "cli/cli_command.h"

namespace orvane::cli {

CliCommand WriteCommand();

}  // namespace orvane::cli
