#pragma once

#include "PlatformCore.h"
#include "ProgramFolder.h"

#include <QLockFile>
#include <QRandomGenerator>

#include <memory>

// The core of the platform as the system gives it, through Qt.
class QtPlatformCore : public virtual PlatformCore {
public:
    // The program folder holds the lock that tells whether another copy runs.
    explicit QtPlatformCore(ProgramFolder dossier);
    ~QtPlatformCore() override;

    QDateTime now() const override;
    void randomize() override;
    double rnd() override;

    StartResult startProgram(const QString& commandLine) override;
    // The lock is held for as long as this object lives.
    bool anotherCopyRunning() override;
    QString instanceLockFailure() const override { return lockFailure_; }

private:
    ProgramFolder dossier_;
    QRandomGenerator random_;
    std::unique_ptr<QLockFile> instanceLock_;
    QString lockFailure_;
};
