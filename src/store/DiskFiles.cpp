#include "DiskFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t OWNER_ONLY_FOLDER = 0700;
constexpr mode_t OWNER_ONLY_FILE = 0600;

int errorOr(int fallback) {
    return errno != 0 ? errno : fallback;
}

void syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor); // best effort: some file systems refuse to sync a folder
    ::close(descriptor);
}

// Writes every byte, going on after a partial write or an interrupted call.
int writeAll(int descriptor, const QByteArray& bytes) {
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, static_cast<size_t>(left));
        if (written < 0) {
            if (errno != EINTR) return errorOr(EIO);
        } else if (written == 0) {
            return EIO;
        } else {
            next += written;
            left -= written;
        }
    }
    return 0;
}

} // namespace

FolderPrivacy keepFolderPrivate(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0 || !S_ISDIR(status.st_mode)) return FolderPrivacy::Missing;
    if (status.st_uid != ::geteuid()) return FolderPrivacy::NotOwned;
    if ((status.st_mode & 07777) == OWNER_ONLY_FOLDER) return FolderPrivacy::Private;
    return ::chmod(name.constData(), OWNER_ONLY_FOLDER) == 0 ? FolderPrivacy::Private
                                                             : FolderPrivacy::Unchanged;
}

int makePrivateFolder(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        keepFolderPrivate(path); // best effort: the folder serves as it is
        return 0;
    }
    if (info.exists()) return ENOTDIR;
    const QString parent = info.absolutePath();
    if (!QDir().mkpath(parent)) return ENOENT;
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), OWNER_ONLY_FOLDER) != 0) return errorOr(EIO);
    ::chmod(name.constData(), OWNER_ONLY_FOLDER); // whatever the umask
    return 0;
}

int writeFileAside(const QString& path, const QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(path);
    if (::unlink(name.constData()) != 0 && errno != ENOENT) return errorOr(EIO);
    const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, OWNER_ONLY_FILE);
    if (descriptor < 0) return errorOr(EIO);

    int error = ::fchmod(descriptor, OWNER_ONLY_FILE) == 0 ? 0 : errorOr(EIO);
    if (error == 0) error = writeAll(descriptor, bytes);
    // A full disk or quota may only show here, on network and delayed-allocation file systems.
    if (error == 0 && ::fsync(descriptor) != 0) error = errorOr(EIO);
    if (::close(descriptor) != 0 && error == 0) error = errorOr(EIO);
    if (error != 0) ::unlink(name.constData());
    return error;
}

int replaceFile(const QString& temporary, const QString& target) {
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0)
        return errorOr(EIO);
    syncFolderOf(target);
    return 0;
}

int appendToPrivateFile(const QString& path, const QByteArray& bytes) {
    // Without O_NONBLOCK, opening a pipe nobody reads would wait forever.
    const int descriptor = ::open(QFile::encodeName(path).constData(),
                                  O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, OWNER_ONLY_FILE);
    if (descriptor < 0) return errorOr(EIO);
    struct stat status {};
    int error = ::fstat(descriptor, &status) != 0 ? errorOr(EIO) : 0;
    if (error == 0 && !S_ISREG(status.st_mode)) error = EINVAL;
    if (error == 0 && status.st_uid == ::geteuid() && (status.st_mode & 07777) != OWNER_ONLY_FILE)
        ::fchmod(descriptor, OWNER_ONLY_FILE); // best effort: the file serves as it is
    if (error == 0) error = writeAll(descriptor, bytes);
    if (error == 0 && ::fsync(descriptor) != 0) error = errorOr(EIO);
    if (::close(descriptor) != 0 && error == 0) error = errorOr(EIO);
    return error;
}

int removeFile(const QString& path) {
    return ::unlink(QFile::encodeName(path).constData()) == 0 ? 0 : errorOr(EIO);
}

bool readFileStart(const QString& path, qint64 limit, QByteArray& bytes) {
    bytes.clear();
    // Only regular files: opening a pipe left under that name would wait forever for a writer, and a
    // device may never end. Opened without waiting, then looked at, so that nothing can be put in its
    // place between the look and the opening.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return false;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return false;
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return false;
    }
    bytes = file.read(std::min(static_cast<qint64>(status.st_size), limit));
    return true;
}
