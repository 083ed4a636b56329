#pragma once
// The font specification of the definitions: up to seven comma-separated fields,
// "charset,face,colour,height,size,style,pitch", each changing one property of a font.

#include <cstdint>
#include <string_view>

#include "platform/font_description.h"

namespace orvane {

inline constexpr std::string_view kDefaultFontFace = "MS Sans Serif";

// The font a cell starts from when neither it nor its parent has one.
FontDescription DefaultFont();

// The size in points that goes with the font's pixel height on a 96 dpi screen; the
// two are one property seen two ways, so setting one sets the other.
std::int32_t FontPointSize(const FontDescription& font);
void SetFontPointSize(FontDescription& font, std::int32_t points);

// Applies `spec` field by field; processing stops at the first absent field. True only
// when every present field was understood (callers may ignore it: an unknown name just
// changes nothing).
bool ApplyFontSpec(FontDescription& font, std::string_view spec);

}  // namespace orvane
