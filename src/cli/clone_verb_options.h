#pragma once
// What every clone verb shares: the port and speed options, declared once for every verb
// that talks to a radio, their values, and the session with the progress bar on a
// terminal.

#include <optional>

#include "cli/cli_parameter.h"
#include "cli/controller_session.h"
#include "cli/port_option.h"
#include "cli/terminal_progress.h"

namespace orvane::cli {

struct CliInvocation;

inline constexpr CliParameter kPortOption =
    ValueOption("port", "PORT",
                "COM<n>, a port number n from 1 to 256, or a device path such as /dev/ttyUSB0; the "
                "default is the port chosen in Orvane. Port n is the device named by COM<n> under "
                "[Ports] in the settings file, else the n-th serial device present (/dev/ttyUSB*, "
                "/dev/ttyACM*, /dev/ttyS*)");
inline constexpr CliParameter kHighSpeedOption =
    Switch("high-speed", "exchange the data at high speed (38400 baud)");

struct CloneVerbOptions {
    std::optional<PortChoice> port;
    bool highSpeed = false;
};

// The port and speed the invocation names. Empty after printing the usage error for a
// port the program does not offer.
std::optional<CloneVerbOptions> ReadCloneVerbOptions(const CliInvocation& invocation);

// A session on the chosen port and speed; `progress` draws only when stderr is a
// terminal.
SessionOptions CloneSessionOptions(Prompter& prompter, TerminalProgress& progress,
                                   const CloneVerbOptions& options);

}  // namespace orvane::cli
