#include "paint/qt_font.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>
#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <unordered_map>

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

// The largest pixel size at which `font` is at most `cellHeight` pixels from ascent to
// descent. Sizes are tried from about four fifths of the height, near where the answer
// lies; the answers are kept, as start-up asks for the same few fonts many times.
int PixelSizeForCellHeight(const QFont& font, int cellHeight) {
    static std::unordered_map<QString, int> sizes;
    const QString key = QStringLiteral("%1|%2|%3|%4")
                            .arg(font.family())
                            .arg(font.weight())
                            .arg(font.italic())
                            .arg(cellHeight);
    if (const auto found = sizes.find(key); found != sizes.end()) {
        return found->second;
    }
    QFont sized(font);
    const auto heightAt = [&sized](int pixelSize) {
        sized.setPixelSize(pixelSize);
        return QFontMetrics(sized).height();
    };
    int size = std::max(1, cellHeight * 4 / 5);
    while (size > 1 && heightAt(size) > cellHeight) {
        --size;
    }
    while (heightAt(size + 1) <= cellHeight) {
        ++size;
    }
    sizes.emplace(key, size);
    return size;
}

}  // namespace

QFont ToQFont(const FontDescription& description) {
    QFont font(FamilyFor(description.face));
    font.setBold(description.style & FontDescription::kBold);
    font.setItalic(description.style & FontDescription::kItalic);
    font.setUnderline(description.style & FontDescription::kUnderline);
    font.setStrikeOut(description.style & FontDescription::kStrikeOut);
    if (description.pitch == FontDescription::Pitch::Fixed) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::Monospace);
    }
    // Negative heights are character heights, the pixel size itself; positive ones are
    // cell heights, the internal leading included.
    int pixels = 1;
    if (description.height < 0) {
        pixels = -description.height;
    } else if (description.height > 0) {
        pixels = PixelSizeForCellHeight(font, description.height);
    }
    font.setPixelSize(pixels);
    return font;
}

std::size_t QtFontMetrics::ShapeHash::operator()(const FontDescription& font) const {
    std::size_t hash = std::hash<std::string>()(font.face);
    for (const std::size_t part :
         {static_cast<std::size_t>(font.height), static_cast<std::size_t>(font.style),
          static_cast<std::size_t>(font.pitch), static_cast<std::size_t>(font.charset)}) {
        hash = hash * 31 + part;
    }
    return hash;
}

bool QtFontMetrics::SameShape::operator()(const FontDescription& a,
                                          const FontDescription& b) const {
    return a.face == b.face && a.height == b.height && a.style == b.style && a.pitch == b.pitch &&
           a.charset == b.charset;
}

QtFontMetrics::Entry& QtFontMetrics::EntryFor(const FontDescription& font) const {
    auto found = cache_.find(font);
    if (found == cache_.end()) {
        QFont qtFont = ToQFont(font);
        found = cache_.emplace(font, Entry{qtFont, QFontMetrics(qtFont), {}}).first;
    }
    return found->second;
}

const QtFontMetrics::ShapedLine& QtFontMetrics::Shaped(const FontDescription& font,
                                                       std::string_view line) const {
    Entry& entry = EntryFor(font);
    const std::string key(line);
    auto found = entry.lines.find(key);
    if (found == entry.lines.end()) {
        if (entry.lines.size() >= kShapedLinesPerFont) {
            entry.lines.clear();
        }
        const QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        ShapedLine shaped{QStaticText(text), entry.metrics.horizontalAdvance(text)};
        shaped.text.setTextFormat(Qt::PlainText);
        shaped.text.setPerformanceHint(QStaticText::AggressiveCaching);
        shaped.text.prepare(QTransform(), entry.font);
        found = entry.lines.emplace(key, std::move(shaped)).first;
    }
    return found->second;
}

const QFont& QtFontMetrics::Font(const FontDescription& font) const { return EntryFor(font).font; }

const QFontMetrics& QtFontMetrics::Metrics(const FontDescription& font) const {
    return EntryFor(font).metrics;
}

int QtFontMetrics::TextWidth(const FontDescription& font, std::string_view line) const {
    return Shaped(font, line).width;
}

int QtFontMetrics::LineHeight(const FontDescription& font) const { return Metrics(font).height(); }

}  // namespace orvane
