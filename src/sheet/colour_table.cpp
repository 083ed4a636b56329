#include "sheet/colour_table.h"

#include <array>
#include <utility>

#include "base/name_table.h"

namespace orvane {
namespace {

constexpr std::uint32_t kColourBuckets = 101;

// The highlight-text name keeps the spelling the definitions have always used; the
// correctly spelled name is deliberately absent.
constexpr std::array<std::pair<std::string_view, Colour>, 38> kColourNames = {{
    {"clAqua", 0x00FFFF00},
    {"clBlack", 0x00000000},
    {"clBlue", 0x00FF0000},
    {"clDkGray", 0x00808080},
    {"clFuchsia", 0x00FF00FF},
    {"clGray", 0x00808080},
    {"clGreen", 0x00008000},
    {"clLime", 0x0000FF00},
    {"clLtGray", 0x00C0C0C0},
    {"clMaroon", 0x00000080},
    {"clNavy", 0x00800000},
    {"clOlive", 0x00008080},
    {"clPurple", 0x00800080},
    {"clRed", 0x000000FF},
    {"clSilver", 0x00C0C0C0},
    {"clTeal", 0x00808000},
    {"clWhite", 0x00FFFFFF},
    {"clYellow", 0x0000FFFF},
    {"clBackground", SystemColour(1)},
    {"clActiveCaption", SystemColour(2)},
    {"clInactiveCaption", SystemColour(3)},
    {"clMenu", SystemColour(4)},
    {"clWindow", SystemColour(5)},
    {"clWindowFrame", SystemColour(6)},
    {"clMenuText", SystemColour(7)},
    {"clWindowText", SystemColour(8)},
    {"clCaptionText", SystemColour(9)},
    {"clActiveBorder", SystemColour(10)},
    {"clInactiveBorder", SystemColour(11)},
    {"clAppWorkSpace", SystemColour(12)},
    {"clHighlight", SystemColour(13)},
    {"clHightlightText", SystemColour(14)},
    {"clBtnFace", SystemColour(15)},
    {"clBtnShadow", SystemColour(16)},
    {"clGrayText", SystemColour(17)},
    {"clBtnText", SystemColour(18)},
    {"clInactiveCaptionText", SystemColour(19)},
    {"clBtnHighlight", SystemColour(20)},
}};

const NameTable& ColourNames() {
    // Built once, on first use, and only read afterwards.
    static const NameTable table = [] {
        NameTable names(kColourBuckets);
        for (const auto& [name, value] : kColourNames) {
            names.Insert(name, static_cast<std::int32_t>(value));
        }
        return names;
    }();
    return table;
}

// Each 8-bit channel of (a * weightA + b * weightB + half) / (weightA + weightB).
Colour Blend(Colour a, std::uint32_t weightA, Colour b, std::uint32_t weightB) {
    const std::uint32_t total = weightA + weightB;
    Colour blended = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t channel =
            (((a >> shift) & 0xFF) * weightA + ((b >> shift) & 0xFF) * weightB + total / 2) / total;
        blended |= channel << shift;
    }
    return blended;
}

}  // namespace

Colour CurrentRowTint(Colour window, Colour windowText) { return Blend(window, 7, windowText, 1); }

Colour InactiveSelection(Colour window, Colour windowText) {
    return Blend(window, 3, windowText, 1);
}

std::optional<Colour> LookupColour(std::string_view name) {
    if (auto value = ColourNames().Find(name)) {
        return static_cast<Colour>(*value);
    }
    return std::nullopt;
}

}  // namespace orvane
