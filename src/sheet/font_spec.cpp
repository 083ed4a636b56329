#include "sheet/font_spec.h"

#include <array>
#include <cstdlib>
#include <optional>
#include <utility>

#include "sheet/colour_table.h"
#include "sheet/definition_text.h"

namespace orvane {
namespace {

constexpr std::int32_t kScreenPixelsPerInch = 96;
constexpr std::int32_t kPointsPerInch = 72;

constexpr std::array<std::pair<std::string_view, std::int32_t>, 19> kCharsets = {{
    {"ANSI_CHARSET", 0},      {"DEFAULT_CHARSET", 1},    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},      {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},   {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},   {"TURKISH_CHARSET", 162},  {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},  {"ARABIC_CHARSET", 178},   {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},     {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
}};

constexpr std::array<std::pair<std::string_view, std::uint8_t>, 4> kStyles = {{
    {"fsBold", FontDescription::kBold},
    {"fsItalic", FontDescription::kItalic},
    {"fsUnderline", FontDescription::kUnderline},
    {"fsStrikeOut", FontDescription::kStrikeOut},
}};

constexpr std::array<std::pair<std::string_view, FontDescription::Pitch>, 3> kPitches = {{
    {"fpDefault", FontDescription::Pitch::Default},
    {"fpFixed", FontDescription::Pitch::Fixed},
    {"fpVariable", FontDescription::Pitch::Variable},
}};

// a × b / c rounded half away from zero, as the platform scales font units.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = c / 2;
    return static_cast<std::int32_t>(product >= 0 ? (product + half) / c : (product - half) / c);
}

// A name matches when the field holds it followed by nothing but blanks and tabs.
bool FieldIsName(std::string_view field, std::string_view name) {
    return field.starts_with(name) && TrimBlanks(field.substr(name.size())).empty();
}

template <typename Table>
auto FindName(const Table& table, std::string_view field)
    -> std::optional<typename Table::value_type::second_type> {
    for (const auto& [name, value] : table) {
        if (FieldIsName(field, name)) {
            return value;
        }
    }
    return std::nullopt;
}

// "%p" scales the current value; a plain number replaces it; 0 changes nothing.
bool ApplyScalable(std::string_view field, std::int32_t& value) {
    if (field.front() == '%') {
        const auto percent = ParseInteger(field.substr(1));
        if (!percent) {
            return false;
        }
        const std::int64_t scaled = static_cast<std::int64_t>(value) * *percent / 100;
        value = scaled == 0 ? 1 : static_cast<std::int32_t>(scaled);
        return true;
    }
    const auto number = ParseInteger(field);
    if (!number) {
        return false;
    }
    if (*number != 0) {
        value = *number;
    }
    return true;
}

bool ApplyStyles(std::string_view field, std::uint8_t& style) {
    bool understood = true;
    bool cleared = false;
    for (std::string_view part : SplitAt(field, '+')) {
        const auto bit = FindName(kStyles, SkipBlanks(part));
        if (!bit) {
            understood = false;
            continue;
        }
        if (!cleared) {
            style = 0;
            cleared = true;
        }
        style |= *bit;
    }
    return understood;
}

}  // namespace

FontDescription DefaultFont() {
    FontDescription font;
    font.face = std::string(kDefaultFontFace);
    return font;
}

std::int32_t FontPointSize(const FontDescription& font) {
    return -MulDiv(font.height, kPointsPerInch, kScreenPixelsPerInch);
}

void SetFontPointSize(FontDescription& font, std::int32_t points) {
    font.height = -MulDiv(points, kScreenPixelsPerInch, kPointsPerInch);
}

bool ApplyFontSpec(FontDescription& font, std::string_view spec) {
    const std::vector<std::string_view> fields = SplitAt(spec, ',');
    bool understood = true;
    for (std::size_t i = 0; i < fields.size() && i < 7; ++i) {
        const std::string_view field = SkipBlanks(fields[i]);
        if (field.empty()) {
            if (i == 1) {
                font.face = std::string(kDefaultFontFace);
            }
            continue;
        }
        switch (i) {
            case 0:
                if (auto charset = FindName(kCharsets, field)) {
                    font.charset = *charset;
                } else {
                    understood = false;
                }
                break;
            case 1:
                font.face = std::string(TrimBlanks(field));
                break;
            case 2:
                if (auto colour = LookupColour(TrimBlanks(field))) {
                    font.colour = *colour;
                } else {
                    understood = false;
                }
                break;
            case 3:
                understood = ApplyScalable(field, font.height) && understood;
                break;
            case 4: {
                std::int32_t points = FontPointSize(font);
                const bool ok = ApplyScalable(field, points);
                if (ok && points != FontPointSize(font)) {
                    SetFontPointSize(font, points);
                }
                understood = ok && understood;
                break;
            }
            case 5:
                understood = ApplyStyles(field, font.style) && understood;
                break;
            default:
                if (auto pitch = FindName(kPitches, field)) {
                    font.pitch = *pitch;
                } else {
                    understood = false;
                }
                break;
        }
    }
    return understood;
}

}  // namespace orvane
