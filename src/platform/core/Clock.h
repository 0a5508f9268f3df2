#pragma once

#include <QDateTime>

#include <functional>
#include <memory>

// A wake-up at a time of the clock, on the user-interface thread. It counts its time as the system's
// timers do, from when it is started: when the clock is changed or the machine sleeps, its deadline moves
// with the clock, so whoever it wakes reads the clock again rather than trusting the hour it was set for.
class SingleShotTimer {
public:
    virtual ~SingleShotTimer() = default;
    // Fires once at when, or as soon as it can when that is past; starting it again replaces the wake-up.
    virtual void start(const QDateTime& when) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

    std::function<void()> onTimeout;
};

// The date and time of day as the program reads them, and wake-ups at a time of it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual std::unique_ptr<SingleShotTimer> createTimer() = 0;
};
