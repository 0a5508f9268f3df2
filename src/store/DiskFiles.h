#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// File steps for the memo store. Each answers 0 or the errno value of the step that failed, so that the
// caller can tell a full disk from a missing path.

// Creates the folder, and any missing parent, readable by its owner only. An existing folder is left as
// it is.
int makePrivateFolder(const QString& path);

// Writes a fresh file readable by its owner only, and makes sure every byte reached the disk before
// answering 0. Whatever was at that path before is removed first; on failure the partial file is removed.
int writeFileAside(const QString& path, const QByteArray& bytes);

// Moves a fully written file over its target in one step, so the target is either the old file or the
// new one, never a mix; then makes the rename itself durable.
int replaceFile(const QString& temporary, const QString& target);
using ReplaceFile = std::function<int(const QString& temporary, const QString& target)>;

int removeFile(const QString& path);

// The first `limit` bytes of a regular file; false when it is missing, not a regular file or unreadable.
bool readFileStart(const QString& path, qint64 limit, QByteArray& bytes);
