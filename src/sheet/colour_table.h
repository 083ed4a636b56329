#pragma once
// Colours of the definitions: plain colours are 0x00BBGGRR, system colours are
// 0xFF000000 plus the system colour index and are resolved when drawn.

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvane {

using Colour = std::uint32_t;

constexpr Colour SystemColour(std::uint32_t index) { return 0xFF000000u | index; }
constexpr bool IsSystemColour(Colour colour) { return (colour & 0xFF000000u) != 0; }

namespace colour {
inline constexpr Colour kWindow = SystemColour(5);
inline constexpr Colour kWindowText = SystemColour(8);
inline constexpr Colour kHighlight = SystemColour(13);
inline constexpr Colour kHighlightText = SystemColour(14);
inline constexpr Colour kBtnFace = SystemColour(15);
inline constexpr Colour kGrayText = SystemColour(17);
inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kSilver = 0x00C0C0C0;
}  // namespace colour

// The colours the grid derives from the window colour W and the window text colour T
// (both plain colours), channel by channel and rounded: the tint of the current row,
// (7W + T + 4) / 8, and the selection of a grid without the focus, (3W + T + 2) / 4.
Colour CurrentRowTint(Colour window, Colour windowText);
Colour InactiveSelection(Colour window, Colour windowText);

// The colour of a definition name (exact, case-sensitive). The table is built on the
// first lookup and kept for the life of the program.
std::optional<Colour> LookupColour(std::string_view name);

}  // namespace orvane
