#pragma once
// The "print" verb: sheets of a clone data file printed into a PDF file, page for page
// as the desktop program prints them, without a display.

#include "cli/cli_command.h"

namespace orvane::cli {

CliCommand PrintCommand();

}  // namespace orvane::cli
