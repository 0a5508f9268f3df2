#include "QtPlatformCore.h"

#include "ProgramStarter.h"
#include "QtSingleShotTimer.h"
#include "UserName.h"

QtPlatformCore::QtPlatformCore(ProgramFolder dossier)
    : dossier_(std::move(dossier)), random_(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch())),
      registry_(DesktopPlaces::ofThisSession()) {}

QtPlatformCore::~QtPlatformCore() = default;

QDateTime QtPlatformCore::now() const {
    return QDateTime::currentDateTime();
}

std::unique_ptr<SingleShotTimer> QtPlatformCore::createTimer() {
    return std::make_unique<QtSingleShotTimer>(*this);
}

void QtPlatformCore::randomize() {
    random_.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
}

double QtPlatformCore::rnd() {
    return random_.generateDouble();
}

StartResult QtPlatformCore::startProgram(const QString& commandLine) {
    return lancerProgramme(commandLine);
}

bool QtPlatformCore::anotherCopyRunning() {
    // One copy per program folder: two copies writing the same memo files is what must be warned about.
    instanceLock_ = std::make_unique<QLockFile>(dossier_.path + QStringLiteral("/.pensoir.lock"));
    instanceLock_->setStaleLockTime(0);
    if (instanceLock_->tryLock(0)) return false;
    // Only a lock held by another process means another copy; a folder where no lock can be made (not
    // created yet, read-only) does not.
    const bool tenu = instanceLock_->error() == QLockFile::LockFailedError;
    instanceLock_.reset();
    return tenu;
}

Registry& QtPlatformCore::registry() {
    return registry_;
}

QString QtPlatformCore::userName() const {
    return loginName();
}

QString QtPlatformCore::programPath() const {
    return programFilePath();
}
