#pragma once
// The options every clone verb shares: the port and the speed.

#include <optional>
#include <span>
#include <string>

#include "cli/port_option.h"

namespace orvane::cli {

struct CliInvocation;

struct CloneVerbOptions {
    std::optional<PortChoice> port;
    bool highSpeed = false;
};

// Takes "--port PORT" or "--high-speed" at `arguments[index]` (moving `index` past a
// value). Unhandled: false with nothing said; a bad port: false with the reason on
// `invocation.err` and `usageError` set.
bool TakeCloneOption(const CliInvocation& invocation, std::string_view verb, std::size_t& index,
                     CloneVerbOptions& options, bool& usageError);

}  // namespace orvane::cli
