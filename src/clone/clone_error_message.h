#pragma once
// The message shown when a clone operation fails: the code's head line, a blank line
// and the check lines that fit the code.

#include <string>

#include "clone/clone_result.h"

namespace orvane {

class TextStore;

// Empty for code 0. `comPort` fills the "Cannot access COM %d." line of code 2, which
// is followed by the device and the system's reason when the result carries them.
std::string CloneErrorMessage(const CloneResult& result, int comPort, TextStore& texts);

}  // namespace orvane
