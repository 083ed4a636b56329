// Font specifications and the colour names of the definitions.

#include <gtest/gtest.h>

#include "sheet/colour_table.h"
#include "sheet/font_spec.h"

namespace orvane {
namespace {

FontDescription BoldRedArial() {
    FontDescription font;
    font.charset = 1;
    font.face = "Arial";
    font.colour = 0x000000FF;
    font.height = -17;
    font.style = FontDescription::kBold;
    return font;
}

TEST(FontSpecTest, FieldsChangeTheirPropertyUntilTheFirstAbsentOne) {
    struct Case {
        std::string_view spec;
        bool understood;
        FontDescription expected;
    };
    auto with = [](auto change) {
        FontDescription font = BoldRedArial();
        change(font);
        return font;
    };
    const std::string defaultFace(kDefaultFontFace);
    const Case cases[] = {
        {"ANSI_CHARSET", true, with([](FontDescription& f) { f.charset = 0; })},
        {"ANSI_CHARSET,", true, with([&](FontDescription& f) {
             f.charset = 0;
             f.face = defaultFace;
         })},
        {" SHIFTJIS_CHARSET \t", true, with([](FontDescription& f) { f.charset = 128; })},
        {"SHIFTJIS_CHARSETX", false, BoldRedArial()},
        {"", true, BoldRedArial()},
        {",Courier New", true, with([](FontDescription& f) { f.face = "Courier New"; })},
        {",,,,,fsBold+fsItalic,", true, with([&](FontDescription& f) {
             f.face = defaultFace;
             f.style = FontDescription::kBold | FontDescription::kItalic;
         })},
        {",Arial,,,,fsNone,", false, BoldRedArial()},
        {",Arial,,,,fsNone+fsUnderline,", false,
         with([](FontDescription& f) { f.style = FontDescription::kUnderline; })},
        {",,clYellow,16,,fsBold,", true, with([&](FontDescription& f) {
             f.face = defaultFace;
             f.colour = 0x0000FFFF;
             f.height = 16;
         })},
        {",Arial,clBogus", false, BoldRedArial()},
        {",Arial,,%50", true, with([](FontDescription& f) { f.height = -8; })},
        {",Arial,,%5", true, with([](FontDescription& f) { f.height = 1; })},
        {",Arial,,0", true, BoldRedArial()},
        {",Arial,,-12", true, with([](FontDescription& f) { f.height = -12; })},
        {",Arial,,big", false, BoldRedArial()},
        // 17 pixels are 13 points on a 96 dpi screen; twice that is 26 points, 35 pixels.
        {",Arial,,,%200", true, with([](FontDescription& f) { f.height = -35; })},
        {",Arial,,,9", true, with([](FontDescription& f) { f.height = -12; })},
        {",Arial,,,,,fpFixed", true,
         with([](FontDescription& f) { f.pitch = FontDescription::Pitch::Fixed; })},
        {",Arial,,,,,fpWide", false, BoldRedArial()},
    };
    for (const Case& c : cases) {
        FontDescription font = BoldRedArial();
        EXPECT_EQ(ApplyFontSpec(font, c.spec), c.understood) << c.spec;
        EXPECT_EQ(font, c.expected) << c.spec;
    }
}

TEST(FontSpecTest, PointSizeFollowsThePixelHeight) {
    FontDescription font;
    font.height = -16;
    EXPECT_EQ(FontPointSize(font), 12);
    SetFontPointSize(font, 8);
    EXPECT_EQ(font.height, -11);
}

TEST(ColourTableTest, NamesGiveTheirColours) {
    const std::pair<std::string_view, std::optional<Colour>> cases[] = {
        {"clAqua", 0x00FFFF00},
        {"clMaroon", 0x00000080},
        {"clYellow", 0x0000FFFF},
        {"clBackground", 0xFF000001},
        {"clWindow", 0xFF000005},
        {"clHightlightText", 0xFF00000E},
        {"clBtnHighlight", 0xFF000014},
        {"clHighlightText", std::nullopt},
        {"clwindow", std::nullopt},
        {"clWindow ", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [name, colour] : cases) {
        EXPECT_EQ(LookupColour(name), colour) << name;
    }
}

}  // namespace
}  // namespace orvane
