#include "cli/terminal_progress.h"

#include <algorithm>
#include <string>

namespace orvane::cli {
namespace {

constexpr int kCells = 32;

}  // namespace

void TerminalProgress::Open() {
    if (open_) {
        return;
    }
    open_ = true;
    shown_ = -1;
    Paint(0);
}

void TerminalProgress::Paint(int filledCells) {
    const int filled = std::clamp(filledCells, 0, kCells);
    if (!open_ || filled == shown_) {
        return;
    }
    shown_ = filled;
    out_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kCells - filled), '.') << "] "
         << filled * 100 / kCells << "%" << std::flush;
}

void TerminalProgress::Close() {
    if (open_) {
        out_ << '\n' << std::flush;
        open_ = false;
    }
}

}  // namespace orvane::cli
