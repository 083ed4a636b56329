#include "qt/qt_timer_host.h"

#include <QPointer>
#include <QTimer>

namespace orvane {
namespace {

class QtTimer final : public Timer {
public:
    explicit QtTimer(std::function<void()> onTick) : timer_(new QTimer) {
        timer_->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer_, &QTimer::timeout, timer_, std::move(onTick));
    }
    // A task may destroy itself from inside its own tick: the QTimer is then still
    // emitting, so it is deleted later by the event loop, never here.
    ~QtTimer() override {
        if (timer_) {
            timer_->stop();
            QObject::disconnect(timer_, nullptr, nullptr, nullptr);
            timer_->deleteLater();
        }
    }

    void Start(int intervalMs) override { timer_->start(intervalMs); }
    void Stop() override { timer_->stop(); }
    bool IsActive() const override { return timer_->isActive(); }

private:
    QPointer<QTimer> timer_;
};

}  // namespace

std::unique_ptr<Timer> QtTimerHost::CreateTimer(std::function<void()> onTick) {
    return std::make_unique<QtTimer>(std::move(onTick));
}

}  // namespace orvane
