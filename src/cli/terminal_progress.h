#pragma once
// The transfer's progress as a bar of 32 cells on a terminal line, redrawn in place.

#include <ostream>

#include "clone/clone_progress_view.h"

namespace orvane::cli {

class TerminalProgress final : public CloneProgressView {
public:
    explicit TerminalProgress(std::ostream& out) : out_(out) {}

    void Open() override;
    void Paint(int filledCells) override;
    void Close() override;
    bool IsOpen() const override { return open_; }

private:
    std::ostream& out_;
    bool open_ = false;
    int shown_ = -1;
};

}  // namespace orvane::cli
