#pragma once

#include "StartResult.h"

#include <QString>
#include <QStringList>

// How a launcher or alarm command line is started: never through a shell.
struct ProgramLaunch {
    enum class Kind {
        Run,             // program with its arguments
        OpenWithDesktop, // an existing file that is not a program
        NotExecutable,   // a program named with arguments that exists but may not be run
        Missing,         // nothing to start
    } kind = Kind::Missing;
    QString program;
    QStringList arguments;
};

// A line naming an existing executable runs it (blanks in the path allowed); an existing other file is
// opened with the desktop's application; anything else is split into program and arguments at blanks,
// double quotes grouping words (QProcess::splitCommand: no shell runs, so nothing is expanded), and the
// program is looked for in PATH when it names no folder.
ProgramLaunch analyserLigneCommande(const QString& commandLine);

// The command line that names this one file and nothing else, blanks and quotes in its path included.
QString ligneDuFichier(const QString& chemin);

// Starts the line detached; error 53 when there is nothing to start, 75 when it cannot be started.
StartResult lancerProgramme(const QString& commandLine);
