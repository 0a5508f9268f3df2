#pragma once

#include "FakeRegistry.h"

#include "platform/core/PlatformCore.h"

#include <QStringList>

#include <deque>
#include <vector>

class FakeTimer;

// The scripted core of the platform: a clock the test sets or advances, with the timers it wakes, draws the
// test queues, program starts recorded and answered as scripted, a registry in memory, a user and a program
// path of its own. The store's tests use it alone; FakePlatform builds on it.
class FakeCore : public virtual PlatformCore {
public:
    FakeCore() = default;
    ~FakeCore() override;
    FakeCore(const FakeCore&) = delete;
    FakeCore& operator=(const FakeCore&) = delete;

    QDateTime now() const override { return clock; }
    std::unique_ptr<SingleShotTimer> createTimer() override;

    // Time passing: the clock moves to moment, stopping on the way at each moment a running timer fires to
    // fire it, in time order (a timer started again meanwhile fires again if its new time comes first).
    void advanceTo(const QDateTime& moment);
    void advanceMinutes(int minutes) { advanceTo(clock.addSecs(60LL * minutes)); }
    // The clock changed by hand, or the machine slept: the clock jumps, forward or back, and no time passes
    // for the timers. As the platform's do, a timer whose time the clock jumped past fires at the next
    // advance; one the clock went back before fires once the time it had left has passed.
    void jumpBy(qint64 seconds);
    // Running timers, to check that the program left none behind, or that none wakes it.
    int activeTimers() const;
    void randomize() override { ++randomizeCalls; }
    double rnd() override;

    StartResult startProgram(const QString& commandLine) override;
    bool anotherCopyRunning() override { return otherCopy; }
    Registry& registry() override { return *registryInUse; }
    QString userName() const override { return user; }
    QString programPath() const override { return program; }
    QString instanceLockFailure() const override { return lockFailure; }

    // Scripted.
    QDateTime clock = QDateTime(QDate(2026, 12, 8), QTime(10, 29, 50));
    std::deque<double> randoms; // rnd(); when empty, a fixed sequence
    StartResult nextStart;
    bool otherCopy = false;
    FakeRegistry fakeRegistry;
    Registry* registryInUse = &fakeRegistry; // a test of the desktop's own places puts a DesktopRegistry
    QString user = QStringLiteral("marie");
    QString program = QStringLiteral("/usr/bin/pensoir");
    QString lockFailure; // why the lock could not be taken, when otherCopy is false

    // Recorded.
    QStringList started;
    int randomizeCalls = 0;
    // What the program did, in order: "start:<line>" here; FakePlatform adds "beep", "alarm-beep",
    // "message:<text>", "input:<prompt>", "dialog:<name>" and the tray's calls.
    QStringList journal;

private:
    friend class FakeTimer;
    double nextFixed_ = 0.5;
    std::vector<FakeTimer*> timers_; // in the order they were made
    qint64 elapsedMs_ = 0;           // time that passed for the timers: advances, not jumps
};
