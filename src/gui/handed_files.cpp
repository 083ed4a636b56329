#include "gui/handed_files.h"

#include <QApplication>

#include "app/main_controller.h"
#include "gui/main_window.h"

namespace orvane {

HandedFiles::HandedFiles(MainWindow& window, MainController& controller)
    : window_(window), controller_(controller) {
    // As often as the controller's own tick: a file waits no longer than the user would
    // notice once the question before it is answered.
    idleCheck_.setInterval(MainController::kTickMs);
    connect(&idleCheck_, &QTimer::timeout, this, &HandedFiles::OpenNextWhenIdle);
}

bool HandedFiles::Take(const std::string& path) {
    // Files arrive only from the event loop, which runs once the window shows; a hidden
    // window has been closed and the program is ending: the later start hears so.
    if (!window_.isVisible()) {
        return false;
    }
    waiting_.push_back(path);
    idleCheck_.start();
    window_.raise();
    window_.activateWindow();
    return true;
}

bool HandedFiles::Idle() const {
    // The boxes and dialogs run their own event loops without disabling the window; the
    // modeless ones and the transfers disable it.
    return !opening_ && window_.isVisible() && window_.isEnabled() &&
           QApplication::activeModalWidget() == nullptr &&
           QApplication::activePopupWidget() == nullptr && !controller_.TransferRunning();
}

void HandedFiles::OpenNextWhenIdle() {
    if (waiting_.empty()) {
        idleCheck_.stop();
        return;
    }
    if (!Idle()) {
        return;
    }
    const std::string path = waiting_.front();
    waiting_.pop_front();
    // The open asks its own questions; the check must not start another open under them.
    opening_ = true;
    controller_.OpenFile(path);
    opening_ = false;
}

}  // namespace orvane
