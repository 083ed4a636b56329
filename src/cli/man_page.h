#pragma once
// The manual pages orvane-cli(1) and orvane(1) in roff, written from the same tables as
// the programs' help: the command table with each verb's parameters, the exit statuses,
// and the desktop program's start-up switches.

#include <iosfwd>

namespace orvane::cli {

void WriteCliManPage(std::ostream& out);
void WriteDesktopManPage(std::ostream& out);

}  // namespace orvane::cli
