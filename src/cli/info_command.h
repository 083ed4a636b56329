#pragma once
// "orvane-cli info": asks the radio on the cloning cable who it is.

#include <string_view>

#include "cli/cli_command.h"

namespace orvane::cli {

inline constexpr std::string_view kInfoSynopsis = "[--port PORT] [--high-speed]";
inline constexpr std::string_view kInfoSummary =
    "show the model, comment and firmware of the radio";
inline constexpr std::string_view kInfoDetails =
    "Runs the clone information exchange and prints the radio's model, clone comment,\n"
    "firmware field and version.\n"
    "\n"
    "  --port PORT    COM<n>, a port number n, or a device path such as /dev/ttyUSB0;\n"
    "                 the default is the port chosen in Orvane. Port n is the device\n"
    "                 named by COM<n> under [Ports] in the settings file, else the n-th\n"
    "                 serial device present (/dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS*).\n"
    "  --high-speed   change the line to 38400 baud for the exchange\n"
    "\n"
    "On failure the message Orvane would show goes to stderr and the exit status is 1.";

int RunInfo(const CliInvocation& invocation);

}  // namespace orvane::cli
