#pragma once

#include "platform/core/PlatformCore.h"

#include <QStringList>

#include <deque>

// The scripted core of the platform: a clock the test sets, draws the test queues, program starts recorded
// and answered as scripted. The store's tests use it alone; FakePlatform builds on it.
class FakeCore : public virtual PlatformCore {
public:
    QDateTime now() const override { return clock; }
    void randomize() override { ++randomizeCalls; }
    double rnd() override;

    StartResult startProgram(const QString& commandLine) override;
    bool anotherCopyRunning() override { return otherCopy; }
    QString instanceLockFailure() const override { return lockFailure; }

    // Scripted.
    QDateTime clock = QDateTime(QDate(2026, 12, 8), QTime(10, 29, 50));
    std::deque<double> randoms; // rnd(); when empty, a fixed sequence
    StartResult nextStart;
    bool otherCopy = false;
    QString lockFailure; // why the lock could not be taken, when otherCopy is false

    // Recorded.
    QStringList started;
    int randomizeCalls = 0;
    // What the program did, in order: "start:<line>" here; FakePlatform adds "beep", "message:<text>",
    // "input:<prompt>", "dialog:<name>" and the tray's calls.
    QStringList journal;

private:
    double nextFixed_ = 0.5;
};
