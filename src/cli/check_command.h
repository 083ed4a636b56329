#pragma once
// The "check" verb: reads clone data files the way the Open command reads them and
// reports one line per file.

#include "cli/cli_command.h"

namespace orvane::cli {

CliCommand CheckCommand();

}  // namespace orvane::cli
