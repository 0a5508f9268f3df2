#pragma once

#include "Clock.h"

#include <QElapsedTimer>
#include <QTimer>

// A wake-up as Qt's event loop gives it: a precise single-shot timer, to the millisecond. Qt's timers
// count time that stops while the machine sleeps and ignore changes of the clock, so the timer is set for
// a minute at most at a time and the clock read again at each.
class QtSingleShotTimer final : public SingleShotTimer {
public:
    explicit QtSingleShotTimer(const Clock& clock, qint64 longestStepMs = 60 * 1000);

    void start(const QDateTime& when) override;
    void stop() override;
    bool isActive() const override;

private:
    void armNextStep();
    void step();

    const Clock& clock_;
    const qint64 longestStepMs_;
    QTimer timer_;
    QDateTime when_;
    qint64 duration_ = 0; // milliseconds, as they were when started
    QElapsedTimer elapsed_;
};
