#pragma once
// The channel exchange verbs: "export" writes a file's channels as a channel table,
// "import" appends a table's channels to a file, "airports" the frequencies of chosen
// airports, and "diff" lists the cells in which two files differ.

#include "cli/cli_command.h"

namespace orvane::cli {

CliCommand ExportCommand();
CliCommand ImportCommand();
CliCommand AirportsCommand();
CliCommand DiffCommand();

}  // namespace orvane::cli
