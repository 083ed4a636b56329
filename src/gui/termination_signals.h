#pragma once
// SIGTERM and SIGINT (a logout, Ctrl+C in a terminal) close the program the orderly way,
// through the event loop, so that the settings are still saved at exit.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace orvane {

class TerminationSignals final : public QObject {
    Q_OBJECT

public:
    // `onSignal` runs on the GUI thread after a signal arrived.
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals() override;

private:
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace orvane
