#pragma once
// The files that later starts hand over, opened one at a time, as the Open command opens
// a file, once the program is idle: no message box, file chooser, dialog or popup of
// ours open and no command or transfer running. Opened at once, a file would replace the
// document that an open question (a write confirmation, an error) is about.

#include <QObject>
#include <QTimer>

#include <deque>
#include <string>

namespace orvane {

class MainController;
class MainWindow;

class HandedFiles final : public QObject {
public:
    HandedFiles(MainWindow& window, MainController& controller);

    // Queues `path` and brings the window to the front; false once the window has closed.
    // A path taken but naming no file it can open is reported as the Open command
    // reports it.
    bool Take(const std::string& path);

private:
    bool Idle() const;
    void OpenNextWhenIdle();

    MainWindow& window_;
    MainController& controller_;
    std::deque<std::string> waiting_;
    QTimer idleCheck_;
    bool opening_ = false;
};

}  // namespace orvane
