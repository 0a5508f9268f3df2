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

} // namespace

int makePrivateFolder(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) return 0;
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
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (error == 0 && left > 0) {
        const ssize_t written = ::write(descriptor, next, static_cast<size_t>(left));
        if (written < 0) {
            if (errno != EINTR) error = errorOr(EIO);
        } else if (written == 0) {
            error = EIO;
        } else {
            next += written;
            left -= written;
        }
    }
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

int removeFile(const QString& path) {
    return ::unlink(QFile::encodeName(path).constData()) == 0 ? 0 : errorOr(EIO);
}

bool readFileStart(const QString& path, qint64 limit, QByteArray& bytes) {
    bytes.clear();
    // Only regular files: opening a pipe left under a memo's name would wait forever.
    if (!QFileInfo(path).isFile()) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    bytes = file.read(std::min(file.size(), limit));
    return true;
}
