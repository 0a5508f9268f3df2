#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// File steps for the memo store. Each answers 0 or the errno value of the step that failed, so that the
// caller can tell a full disk from a missing path.

// Creates the folder, and any missing parent, readable by its owner only. An existing folder is made so
// when the user owns it (keepFolderPrivate).
int makePrivateFolder(const QString& path);

// What keepFolderPrivate found.
enum class FolderPrivacy {
    Private,   // the user's, readable by its owner only (now or already)
    NotOwned,  // another account's: left as it is, the caller tells the user
    Missing,   // nothing there, or not a folder
    Unchanged, // the user's, but its mode could not be changed
};

// An existing folder the user owns is set readable by its owner only: another account able to write in it
// could plant a memo whose alarm program would run as the user. A folder another account owns is not
// touched.
FolderPrivacy keepFolderPrivate(const QString& path);

// Writes a fresh file readable by its owner only, and makes sure every byte reached the disk before
// answering 0. Whatever was at that path before is removed first; on failure the partial file is removed.
int writeFileAside(const QString& path, const QByteArray& bytes);

// Moves a fully written file over its target in one step, so the target is either the old file or the
// new one, never a mix; then makes the rename itself durable.
int replaceFile(const QString& temporary, const QString& target);
using ReplaceFile = std::function<int(const QString& temporary, const QString& target)>;

// Appends to a regular file, created readable by its owner only; an existing one the user owns is made so.
// Anything else under that name (a pipe, a device) is refused with EINVAL instead of being waited on.
int appendToPrivateFile(const QString& path, const QByteArray& bytes);

int removeFile(const QString& path);

// The first `limit` bytes of a regular file; false when it is missing, not a regular file or unreadable.
bool readFileStart(const QString& path, qint64 limit, QByteArray& bytes);
