#include "gui/qt_font.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>
#include <algorithm>
#include <array>

namespace orvane {
namespace {

// Families the definitions name that no Linux desktop has under that name.
constexpr std::array<const char*, 3> kSystemFaceAliases = {"MS Sans Serif", "MS Shell Dlg",
                                                           "System"};

QString FamilyFor(const std::string& face) {
    bool systemFace = face.empty();
    for (const char* alias : kSystemFaceAliases) {
        systemFace = systemFace || face == alias;
    }
    return systemFace ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
                      : QString::fromStdString(face);
}

}  // namespace

QFont ToQFont(const FontDescription& description) {
    QFont font(FamilyFor(description.face));
    // Negative heights are character heights; positive ones include the internal
    // leading, which at these sizes is about a fifth of the cell.
    int pixels = description.height < 0 ? -description.height : description.height * 4 / 5;
    font.setPixelSize(std::max(pixels, 1));
    font.setBold(description.style & FontDescription::kBold);
    font.setItalic(description.style & FontDescription::kItalic);
    font.setUnderline(description.style & FontDescription::kUnderline);
    font.setStrikeOut(description.style & FontDescription::kStrikeOut);
    if (description.pitch == FontDescription::Pitch::Fixed) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::Monospace);
    }
    return font;
}

int QtFontMetrics::TextWidth(const FontDescription& font, std::string_view line) const {
    return QFontMetrics(ToQFont(font))
        .horizontalAdvance(QString::fromUtf8(line.data(), static_cast<int>(line.size())));
}

int QtFontMetrics::LineHeight(const FontDescription& font) const {
    return QFontMetrics(ToQFont(font)).height();
}

}  // namespace orvane
