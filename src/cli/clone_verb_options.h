#pragma once
// What every clone verb shares: the port and speed options, the argument loop around the
// verb's own options, and the session with the progress bar on a terminal.

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

#include "cli/controller_session.h"
#include "cli/port_option.h"
#include "cli/terminal_progress.h"

namespace orvane::cli {

struct CliInvocation;

struct CloneVerbOptions {
    std::optional<PortChoice> port;
    bool highSpeed = false;
};

// Reads "--port PORT" and "--high-speed", and hands every other argument to `takeOwn`
// (which moves `index` past a value it takes and returns false for an argument it does
// not know). False after printing the reason and `usage` on stderr.
bool ParseCloneVerbArguments(const CliInvocation& invocation, std::string_view verb,
                             std::string_view usage, CloneVerbOptions& options,
                             const std::function<bool(std::size_t& index)>& takeOwn);

// A session on the chosen port and speed; `progress` draws only when stderr is a
// terminal.
SessionOptions CloneSessionOptions(Prompter& prompter, TerminalProgress& progress,
                                   const CloneVerbOptions& options);

}  // namespace orvane::cli
