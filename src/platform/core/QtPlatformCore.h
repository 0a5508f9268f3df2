#pragma once

#include "DesktopRegistry.h"
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
    std::unique_ptr<SingleShotTimer> createTimer() override;
    void randomize() override;
    double rnd() override;

    StartResult startProgram(const QString& commandLine) override;
    // The lock is held for as long as this object lives.
    bool anotherCopyRunning() override;
    Registry& registry() override;
    QString userName() const override;
    QString programPath() const override;
    QString instanceLockFailure() const override { return lockFailure_; }

private:
    ProgramFolder dossier_;
    QRandomGenerator random_;
    std::unique_ptr<QLockFile> instanceLock_;
    DesktopRegistry registry_;
    QString lockFailure_;
};
