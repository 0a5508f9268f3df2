#include "QtSingleShotTimer.h"

#include <algorithm>
#include <chrono>

QtSingleShotTimer::QtSingleShotTimer(const Clock& clock) : clock_(clock) {
    timer_.setSingleShot(true);
    // A coarse timer may come up to 5 % late, seconds past the minute it was meant for.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onTimeout) onTimeout();
    });
}

void QtSingleShotTimer::start(const QDateTime& when) {
    const qint64 delay = std::max<qint64>(0, clock_.now().msecsTo(when));
    timer_.start(std::chrono::milliseconds(delay));
}

void QtSingleShotTimer::stop() {
    timer_.stop();
}

bool QtSingleShotTimer::isActive() const {
    return timer_.isActive();
}
