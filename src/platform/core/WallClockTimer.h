#pragma once

#include "Clock.h"

#include <QtGlobal>

#ifdef Q_OS_LINUX

#include <QDateTime>

#include <memory>

class QSocketNotifier;

// A wake-up that sleeps until its time, however far: a timerfd on the system's wall clock, which the
// kernel wakes when the clock reaches the time (also after a suspend) and also when the clock is set. Only
// then is the clock read again; a timer set for midnight wakes the program once, at midnight.
//
// Times are the kernel's own, read and armed by system calls: a clock faked inside the process (tests run
// the program under libfaketime) only moves when the timer is due, by its reading of clock.now().
class WallClockTimer final : public SingleShotTimer {
public:
    explicit WallClockTimer(const Clock& clock);
    ~WallClockTimer() override;
    WallClockTimer(const WallClockTimer&) = delete;
    WallClockTimer& operator=(const WallClockTimer&) = delete;

    // False when the system gave no timerfd: use another timer.
    bool isValid() const { return fd_ >= 0; }

    void start(const QDateTime& when) override;
    void stop() override;
    bool isActive() const override { return active_; }

private:
    void armNextStep();
    void onReadable();

    const Clock& clock_;
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool active_ = false;
    QDateTime when_;
    qint64 duration_ = 0;  // milliseconds, as they were when started
    qint64 startedMs_ = 0; // the boot clock when started: it counts suspended time too
};

#endif
