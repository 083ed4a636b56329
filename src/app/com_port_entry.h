#pragma once
// The COM port number typed into the port dialog: read the way the dialog reads it and
// held to the port numbers the program offers.

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvane {

inline constexpr std::int32_t kFirstComPort = 1;
inline constexpr std::int32_t kLastComPort = 256;

// The number the text begins with after blanks (a sign allowed; no digits count as 0);
// none when it lies outside kFirstComPort..kLastComPort, which the dialog reports as out
// of range.
std::optional<std::int32_t> ComPortFromEntry(std::string_view text);

}  // namespace orvane
