#pragma once
// The "Cloning" tool window that shows a read or write under way: a sunken panel around
// a 256 x 16 bar of 32 cells, centred over the main window, which stays disabled while
// the window is up. The window cannot be closed by the user; the transfer closes it.

#include <QPointer>
#include <QWidget>

#include "clone/clone_progress_view.h"

namespace orvane {

class ProgressWindow final : public CloneProgressView {
public:
    // `owner` is the main window; it may be null (the window then stands alone).
    explicit ProgressWindow(QWidget* owner) : owner_(owner) {}
    ~ProgressWindow() override { Close(); }
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    void Open() override;
    void Paint(int filledCells) override;
    void Close() override;
    bool IsOpen() const override { return !window_.isNull(); }

    // The window while it is open, for tests and for the host.
    QWidget* Window() const { return window_.data(); }

private:
    QPointer<QWidget> owner_;
    QPointer<QWidget> window_;
    class BarArea;
    QPointer<BarArea> bar_;
    bool ownerWasEnabled_ = true;
};

}  // namespace orvane
