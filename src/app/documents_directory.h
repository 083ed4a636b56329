#pragma once
// Where a user keeps documents: the starting directory of the file dialogs before any
// file was opened or saved.

#include <string>

namespace orvane {

// `$HOME/Documents` when it exists, else `$HOME`; empty without a home directory.
std::string DocumentsDirectory();

}  // namespace orvane
