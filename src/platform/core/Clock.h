#pragma once

#include <QDateTime>

#include <functional>
#include <memory>

// A wake-up at a time of the clock, on the user-interface thread. It fires when the clock reaches its
// time, or once the time it had left when started has passed, whichever comes first: a clock put forward
// or a machine waking from sleep fires it within a minute, a clock put back no later than planned. Whoever
// it wakes reads the clock again rather than trusting the time it was set for.
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
