#pragma once
// The frame around every printed page: the margins taken from the paper's edges, a
// header with the sheet's title, the program's name and a bar, a footer with the
// maker's name and a bar, and the room between them where the sheet goes.

#include <optional>
#include <string>
#include <string_view>

#include "platform/font_description.h"
#include "print/paper_page.h"
#include "sheet/pixel_geometry.h"

namespace orvane {

class Canvas;

// Left, top, right and bottom, in millimetres.
struct PageMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Four comma-separated numbers, "15,10,5,5"; nothing when the text is not that.
std::optional<PageMargins> ParseMargins(std::string_view text);

// Millimetres as whole pixels at `dpi`, cut towards zero.
int MillimetresToPixels(int millimetres, int dpi);

// The page inside the margins. Every margin is converted at the page's resolution.
PixelRect InsideMargins(const PaperPage& page, const PageMargins& margins);

// The texts a frame shows.
struct FrameTexts {
    std::string title;     // the sheet's, top left
    std::string revision;  // the program's name and revision, top right
    std::string maker;     // bottom right
};

class PageFrame {
public:
    // `area` is the page inside the margins; the frame's font is `font` at `points`
    // points on a page of `dpi`.
    PageFrame(const PixelRect& area, FontDescription font, int points, int dpi);

    const PixelRect& Area() const { return area_; }
    const FontDescription& Font() const { return font_; }
    // The height of a line of the frame's font, and the gap that spaces the bars.
    int LineHeight() const { return line_; }
    int Gap() const { return gap_; }
    // Where the sheet goes, between the header and the footer.
    PixelRect Content() const;
    PixelRect HeaderBar() const;
    PixelRect FooterBar() const;

    // The texts and the bars, in black. Measuring is the canvas's.
    void Draw(Canvas& canvas, const FrameTexts& texts) const;

private:
    // One past the area's last pixel column and row.
    int Right() const { return area_.right + 1; }
    int Bottom() const { return area_.bottom + 1; }

    PixelRect area_;
    FontDescription font_;
    int line_;
    int gap_;
};

}  // namespace orvane
