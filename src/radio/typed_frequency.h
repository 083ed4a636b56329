#pragma once
// Reading a frequency typed in megahertz ("121.5", "118.025") before it is rounded to the
// tuning raster.

#include <optional>
#include <string>

#include "radio/frequency.h"

namespace orvane {

// The typed text keeps its digits and points, at most seven characters, and is read as
// megahertz up to a second point, limited to the entry bounds; nothing when no digit or
// point is left.
std::optional<Hertz> ReadTypedFrequency(const std::string& typed);

}  // namespace orvane
