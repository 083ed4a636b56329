#include "radio/name_codec.h"

#include "radio/memory_map.h"

namespace orvane {
namespace {

constexpr std::size_t kNameLength = memory_map::kNameLength;
constexpr std::size_t kDisplayWidth = memory_map::kNameDisplayWidth;

std::uint8_t DotBit(std::size_t slot) { return static_cast<std::uint8_t>(0x80u >> slot); }

}  // namespace

bool IsPrintable(char character) {
    const auto code = static_cast<unsigned char>(character);
    return code >= 32 && code <= 126;
}

void NormaliseName(std::string& text, const NameRules& rules) {
    std::size_t invalid = 0;
    std::size_t points = 0;
    std::size_t dashes = 0;
    for (char& c : text) {
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) {
            continue;
        }
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (c == '.' && rules.allowPoints) {
            ++points;
        } else if (c == '-') {
            ++dashes;
        } else {
            c = ' ';
            ++invalid;
        }
    }
    if (rules.dashesMeanEmpty && dashes == kNameLength && points == 0) {
        text.assign(text.size(), ' ');
    } else if (rules.allInvalidToDashes && invalid == text.size() && points == 0) {
        text.assign(text.size(), '-');
    }
}

PackedName PackName(std::string_view displayText, const PackedName& previous) {
    PackedName packed{previous.characters, 0};
    packed.characters.resize(kNameLength, ' ');
    std::size_t expectedPoint = 1;  // where a point would belong to the last character
    std::size_t slot = 0;
    std::size_t written = 0;
    for (std::size_t i = 0; i < displayText.size(); ++i) {
        const char c = displayText[i];
        if (i == expectedPoint && c == '.' && slot < kNameLength) {
            packed.dotMask |= DotBit(slot);
            expectedPoint += 2;
            ++slot;
        } else if (i == expectedPoint && c != '.' && written < kNameLength) {
            packed.characters[written++] = c;
            expectedPoint += 1;
            ++slot;
        } else if (written < kNameLength) {
            // A point that follows no character takes a place of its own as a blank.
            packed.characters[written++] = c == '.' ? ' ' : c;
        }
    }
    return packed;
}

std::string UnpackName(std::string_view characters, std::uint8_t dotMask) {
    std::string text;
    text.reserve(kDisplayWidth);
    for (std::size_t j = 0; j < kNameLength && j < characters.size(); ++j) {
        text += characters[j];
        if ((dotMask & DotBit(j)) != 0) {
            text += '.';
        }
    }
    text.resize(kDisplayWidth, ' ');
    return text;
}

PackedName PackEnteredName(std::string displayText, const PackedName& previous) {
    NormaliseName(displayText, kChannelNameRules);
    return PackName(displayText, previous);
}

std::string ShownName(const PackedName& name) {
    std::string text = UnpackName(name.characters, name.dotMask);
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

}  // namespace orvane
