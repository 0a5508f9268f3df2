#include "QtSingleShotTimer.h"

#include <algorithm>
#include <chrono>

QtSingleShotTimer::QtSingleShotTimer(const Clock& clock, qint64 longestStepMs)
    : clock_(clock), longestStepMs_(longestStepMs) {
    timer_.setSingleShot(true);
    // A coarse timer may come up to 5 % late, seconds past the minute it was meant for.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { step(); });
}

void QtSingleShotTimer::start(const QDateTime& when) {
    when_ = when;
    duration_ = std::max<qint64>(0, clock_.now().msecsTo(when));
    elapsed_.start();
    armNextStep();
}

void QtSingleShotTimer::armNextStep() {
    const qint64 left = std::min(duration_ - elapsed_.elapsed(), clock_.now().msecsTo(when_));
    timer_.start(std::chrono::milliseconds(std::clamp<qint64>(left, 0, longestStepMs_)));
}

void QtSingleShotTimer::step() {
    if (clock_.now() < when_ && elapsed_.elapsed() < duration_) {
        armNextStep();
        return;
    }
    if (onTimeout) onTimeout();
}

void QtSingleShotTimer::stop() {
    timer_.stop();
}

bool QtSingleShotTimer::isActive() const {
    return timer_.isActive();
}
