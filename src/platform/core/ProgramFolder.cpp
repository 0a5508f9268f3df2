#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

ProgramFolder findProgramFolder() {
    const QString fromEnvironment = qEnvironmentVariable(PROGRAM_FOLDER_VARIABLE);
    if (!fromEnvironment.isEmpty()) return {QDir::cleanPath(QDir(fromEnvironment).absolutePath()), true};

    const QDir executableFolder(QCoreApplication::applicationDirPath());
    if (executableFolder.exists(QStringLiteral("Mnemos")) || executableFolder.exists(QStringLiteral("Menus")))
        return {executableFolder.absolutePath()};

    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return {QDir::cleanPath(data)};
}

QString programFilePath() {
    return QCoreApplication::applicationFilePath();
}
