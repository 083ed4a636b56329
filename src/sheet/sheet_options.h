#pragma once
// How the creator wants a sheet built: for the screen or for printing, and at which
// font size.

namespace orvane {

struct SheetOptions {
    // The application's font size percentage (60, 80, 100, 120 or 150).
    int fontPercent = 100;
    // A font height the owner imposes instead of the percentage; 0 for none.
    int explicitFontHeight = 0;
    bool printing = false;
    // Printing: the factor from screen to printer pixels; 1 on screen.
    double printScale = 1.0;
    // What margins and fitted sizes are multiplied by: the print scale, 1 on screen.
    double Scale() const { return printing ? printScale : 1.0; }
    // Printing directly to a printer: printer dots per inch / screen dots per inch, the
    // smallest width and height of a column or row. 1 on screen and in the preview.
    int minimumCellExtent = 1;
    // A choice list: the cursor wraps and follows the mouse, a choice commits the
    // opening request and closes the list, column widths are neither loaded nor saved.
    bool dialogMode = false;
};

}  // namespace orvane
