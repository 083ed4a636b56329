#pragma once
// Channel and bank names: the radio stores eight characters and a dot mask (a point may
// follow each character); the sheets show them as one text of up to sixteen characters
// with the points written out.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

struct PackedName {
    std::string characters;    // eight
    std::uint8_t dotMask = 0;  // bit 0x80 >> j: a point after character j
};

struct NameRules {
    bool allowPoints = false;
    // Eight "-" and no point stand for an empty name.
    bool dashesMeanEmpty = false;
    // A text with nothing valid in it (and no point) becomes all "-".
    bool allInvalidToDashes = false;
};

inline constexpr NameRules kChannelNameRules{true, true, false};

// Whether the radio can show the character (32..126).
bool IsPrintable(char character);

// Upper case letters, digits, "-" and (when allowed) "." stay; lower case letters become
// upper case; every other character becomes a blank. Works over the whole text.
void NormaliseName(std::string& text, const NameRules& rules);

// Packs a normalised display text; output positions the text does not fill keep the
// characters of `previous`.
PackedName PackName(std::string_view displayText, const PackedName& previous);

// The display text, filled with blanks to sixteen characters.
std::string UnpackName(std::string_view characters, std::uint8_t dotMask);

// A channel or bank name as typed: normalised with points allowed, then packed.
PackedName PackEnteredName(std::string displayText, const PackedName& previous);
// The name as a cell shows it: with its points, without trailing blanks.
std::string ShownName(const PackedName& name);

}  // namespace orvane
