#pragma once
// A page as a printer or a PDF file offers it: the area that can be drawn on, in device
// pixels, and the resolution those pixels have.

namespace orvane {

struct PaperPage {
    int width = 0;
    int height = 0;
    int dpi = 0;  // pixels per inch, the same across and down

    bool operator==(const PaperPage&) const = default;
};

// The resolution the sheets' own pixel sizes are meant for.
inline constexpr int kScreenDpi = 96;

}  // namespace orvane
