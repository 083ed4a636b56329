#pragma once
// The small window that shows a read or write under way. The manager decides what it
// shows; the host draws it (a Qt tool window in the GUI, nothing in the command line).

namespace orvane {

class CloneProgressView {
public:
    virtual ~CloneProgressView() = default;
    // Shows the window, empty, over the main window; nothing when it is already shown.
    virtual void Open() = 0;
    // Repaints the bar with `filledCells` of the 32 cells filled.
    virtual void Paint(int filledCells) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
};

}  // namespace orvane
