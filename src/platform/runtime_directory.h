#pragma once
// The user's private directory for the program's runtime files (the single-instance lock
// and the hand-off socket beside it): $XDG_RUNTIME_DIR when set, otherwise
// <temporary directory>/runtime-<user>, made with mode 0700. Whichever it is must be a
// directory of this user that no one else may write into; otherwise another local user
// could stand in for the lock or the socket.

#include <string>

namespace orvane {

struct RuntimeDirectory {
    std::string path;     // empty when there is no usable directory
    std::string problem;  // why not, for a message; empty when `path` is set
};

RuntimeDirectory PrivateRuntimeDirectory();

// Empty when `path` names nothing, or an entry of this user that is not a symbolic link;
// otherwise why it must not be used, for a message.
std::string ForeignEntryProblem(const std::string& path);

}  // namespace orvane
