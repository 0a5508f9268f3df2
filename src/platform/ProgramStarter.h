#pragma once

#include "StartResult.h"

#include <QString>
#include <QStringList>

// How a launcher or alarm command line is started: never through a shell.
struct ProgramLaunch {
    enum class Kind { Run, OpenWithDesktop, Missing } kind = Kind::Missing;
    QString program;
    QStringList arguments;
};

// A line naming an existing executable runs it (blanks in the path allowed); an existing other file is
// opened with the desktop's application; anything else is split into program and arguments as a shell
// would split it, without running one.
ProgramLaunch analyserLigneCommande(const QString& commandLine);

StartResult lancerProgramme(const QString& commandLine);
