#include "QtPlatformCore.h"

#include "AutostartEntry.h"
#include "ProgramStarter.h"
#include "QtSingleShotTimer.h"
#include "UserName.h"
#include "WallClockTimer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString LOCK_NAME = QStringLiteral(".pensoir.lock");

// Creates the folder and its missing parents; 0 or the errno of the step that failed.
int makeFolder(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) return 0;
    if (info.exists()) return ENOTDIR;
    const QString parent = info.absolutePath();
    if (parent != info.absoluteFilePath()) {
        if (const int error = makeFolder(parent)) return error;
    }
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0 && errno != EEXIST) return errno;
    return 0;
}

// Why the lock file cannot be made: the errno of creating a file there, which is then removed.
int probeWrite(const QString& lockPath) {
    const QByteArray name = QFile::encodeName(lockPath + QStringLiteral(".essai"));
    const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (descriptor < 0) return errno;
    ::close(descriptor);
    ::unlink(name.constData());
    return 0;
}

QString reason(int error) {
    switch (error) {
    case ENOTDIR:
    case EEXIST:
        return QStringLiteral("un élément de son chemin est un fichier, pas un dossier");
    case EACCES:
    case EPERM:
        return QStringLiteral("accès refusé");
    case EROFS:
        return QStringLiteral("le disque est en lecture seule");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("le disque est plein");
    case ENAMETOOLONG:
        return QStringLiteral("le chemin est trop long");
    case 0:
        return QStringLiteral("raison inconnue");
    default:
        return QStringLiteral("erreur système %1").arg(error);
    }
}

QString folderUnusable(const QString& folder, const QString& why) {
    return QStringLiteral(
               "Le dossier de Pensoir « %1 » n'est pas utilisable : %2.\n\nPensoir démarre quand même ; "
               "chaque sauvegarde qui échouera sera signalée.")
        .arg(folder, why);
}

// Whether the lock file names the process that holds it, as every copy writes it.
bool holderKnown(const QLockFile& lock) {
    qint64 pid = 0;
    QString hostname, application;
    return lock.getLockInfo(&pid, &hostname, &application) && pid > 0;
}

} // namespace

QtPlatformCore::QtPlatformCore(ProgramFolder dossier)
    : dossier_(std::move(dossier)), random_(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch())),
      registry_(DesktopPlaces::ofThisSession(dossier_)) {}

QtPlatformCore::~QtPlatformCore() = default;

QDateTime QtPlatformCore::now() const {
    return QDateTime::currentDateTime();
}

std::unique_ptr<SingleShotTimer> QtPlatformCore::createTimer() {
#ifdef Q_OS_LINUX
    // Sleeps until its time: nothing wakes the program while nothing is due.
    if (auto timer = std::make_unique<WallClockTimer>(*this); timer->isValid()) return timer;
#endif
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
    instanceLock_.reset();
    lockFailure_.clear();
    if (const int error = makeFolder(dossier_.path)) {
        lockFailure_ =
            folderUnusable(dossier_.path, QStringLiteral("il ne peut pas être créé (%1)").arg(reason(error)));
        return false;
    }
    const QString path = dossier_.path + QLatin1Char('/') + LOCK_NAME;
    auto lock = std::make_unique<QLockFile>(path);
    // A lock whose process has ended is taken over at once, however recent.
    lock->setStaleLockTime(0);
    bool taken = lock->tryLock(0);
    if (!taken && lock->error() == QLockFile::LockFailedError && !holderKnown(*lock)) {
        // Not a lock any copy wrote (emptied by a crash, or not a file): replaced once.
        lock->removeStaleLockFile();
        taken = lock->tryLock(0);
    }
    if (taken) {
        instanceLock_ = std::move(lock);
        return false;
    }
    // A lock QLockFile keeps is held by a live process: another copy, unless it cannot be read at all.
    if (lock->error() == QLockFile::LockFailedError) {
        if (holderKnown(*lock)) return true;
        lockFailure_ = folderUnusable(
            dossier_.path, QStringLiteral("son verrou « %1 » ne peut être ni lu ni remplacé").arg(LOCK_NAME));
        return false;
    }
    lockFailure_ =
        folderUnusable(dossier_.path, QStringLiteral("son verrou « %1 » ne peut pas y être écrit (%2)")
                                          .arg(LOCK_NAME, reason(probeWrite(path))));
    return false;
}

Registry& QtPlatformCore::registry() {
    return registry_;
}

QString QtPlatformCore::userName() const {
    return loginName();
}

QString QtPlatformCore::programPath() const {
    const bool portable = dossier_.path == QDir::cleanPath(QCoreApplication::applicationDirPath());
    return programToStartAtLogin(programFilePath(), portable);
}
