#include "print/page_frame.h"

#include <charconv>
#include <cstdlib>
#include <utility>

#include "sheet/canvas.h"
#include "sheet/colour_table.h"

namespace orvane {
namespace {

constexpr double kInchesPerMillimetre = 0.03937007874015748;
constexpr int kPointsPerInch = 72;

std::optional<int> ParseNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<PageMargins> ParseMargins(std::string_view text) {
    int values[4] = {};
    for (int n = 0; n < 4; ++n) {
        const std::size_t comma = n < 3 ? text.find(',') : text.size();
        if (comma == std::string_view::npos) {
            return std::nullopt;
        }
        const std::optional<int> value = ParseNumber(text.substr(0, comma));
        if (!value) {
            return std::nullopt;
        }
        values[n] = *value;
        text.remove_prefix(n < 3 ? comma + 1 : comma);
    }
    return PageMargins{values[0], values[1], values[2], values[3]};
}

int MillimetresToPixels(int millimetres, int dpi) {
    return static_cast<int>(millimetres * dpi * kInchesPerMillimetre);
}

PixelRect InsideMargins(const PaperPage& page, const PageMargins& margins) {
    const int left = MillimetresToPixels(margins.left, page.dpi);
    const int top = MillimetresToPixels(margins.top, page.dpi);
    const int right = page.width - MillimetresToPixels(margins.right, page.dpi);
    const int bottom = page.height - MillimetresToPixels(margins.bottom, page.dpi);
    return {left, top, right - 1, bottom - 1};
}

PageFrame::PageFrame(const PixelRect& area, FontDescription font, int points, int dpi)
    : area_(area),
      font_(std::move(font)),
      line_(std::abs(points * dpi / -kPointsPerInch)),
      gap_(static_cast<int>(0.1 * line_ + 1)) {
    font_.height = -line_;
    font_.colour = colour::kBlack;
}

PixelRect PageFrame::Content() const {
    return {area_.left, area_.top + line_ + 6 * gap_, area_.right, Bottom() - line_ - 6 * gap_ - 1};
}

PixelRect PageFrame::HeaderBar() const {
    return {area_.left, area_.top + line_ + gap_, area_.right, area_.top + line_ + 2 * gap_ - 1};
}

PixelRect PageFrame::FooterBar() const {
    return {area_.left, Bottom() - line_ - 2 * gap_, area_.right, Bottom() - line_ - gap_ - 1};
}

void PageFrame::Draw(Canvas& canvas, const FrameTexts& texts) const {
    canvas.DrawText({area_.left, area_.top}, texts.title, font_, colour::kBlack);
    const int revisionLeft = Right() - 1 - canvas.TextWidth(font_, texts.revision);
    canvas.DrawText({revisionLeft, area_.top}, texts.revision, font_, colour::kBlack);
    const int makerLeft = Right() - 1 - canvas.TextWidth(font_, texts.maker);
    canvas.DrawText({makerLeft, Bottom() - line_ - 1}, texts.maker, font_, colour::kBlack);
    canvas.FillRect(HeaderBar(), colour::kBlack);
    canvas.FillRect(FooterBar(), colour::kBlack);
}

}  // namespace orvane
