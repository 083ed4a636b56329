#pragma once
// Comparing names the user types (model names, tree captions, switches) without regard to
// letter case. Only ASCII letters fold: radio texts and the program's captions are ASCII.

#include <string_view>

namespace orvane {

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace orvane
