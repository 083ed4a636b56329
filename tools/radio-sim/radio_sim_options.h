#pragma once
// orvane-radio-sim's command line.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "simulated_line.h"
#include "simulated_radio.h"

namespace orvane {

struct RadioSimOptions {
    RadioSetup radio;
    LineFaults line;
    bool paced = false;
    std::string linkPath;   // a symbolic link made to the device
    std::string readFile;   // the .zcf served on a read; empty: the model's default image
    std::string writeFile;  // where a received write is stored
    bool help = false;
};

// Nothing, with the reason on `err`, for a command line that cannot be used.
std::optional<RadioSimOptions> ParseRadioSimOptions(const std::vector<std::string>& arguments,
                                                    std::ostream& err);
void PrintRadioSimHelp(std::ostream& out);

}  // namespace orvane
