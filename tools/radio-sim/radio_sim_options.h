#pragma once
// orvane-radio-sim's command line.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "simulated_line.h"
#include "simulated_radio.h"

namespace orvane::sim {

// Exit status: 0 when the program kept to the protocol, 1 when the simulator could not
// start (no pseudo-terminal, a --read-file it cannot serve), 2 for a command line it
// cannot use, 4 when it saw the program break the protocol (each violation is a line on
// stderr).
inline constexpr int kStatusOk = 0;
inline constexpr int kStatusFailure = 1;
inline constexpr int kStatusUsage = 2;
inline constexpr int kStatusViolations = 4;

struct RadioSimOptions {
    RadioSetup radio;
    LineFaults line;
    bool paced = false;
    std::string linkPath;   // a symbolic link made to the device
    std::string readFile;   // the .zcf served on a read; empty: the model's default image
    std::string writeFile;  // where a received write is stored
    // Where the extension block a received write leaves behind the clone area is stored,
    // raw: a clone data file holds the clone area only.
    std::string extensionFile;
    bool help = false;
};

// Nothing, with the reason on `err`, for a command line that cannot be used.
std::optional<RadioSimOptions> ParseRadioSimOptions(const std::vector<std::string>& arguments,
                                                    std::ostream& err);
void PrintRadioSimHelp(std::ostream& out);

}  // namespace orvane::sim
