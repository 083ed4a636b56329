#pragma once
// Where the file dialogs start: the directory the user last used, else the place where
// the user keeps documents.

#include <string>

namespace orvane {

// `$HOME/Documents` when it exists, else `$HOME`; empty without a home directory.
std::string DocumentsDirectory();

// `stored` (the remembered directory) when set, else the documents directory, else the
// process's working directory.
std::string StartDirectory(const std::string& stored);

}  // namespace orvane
