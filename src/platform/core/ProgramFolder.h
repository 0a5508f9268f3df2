#pragma once

#include <QString>

// The folder that holds Mnemos/ and Menus/. It is found once, at start-up, and handed to whoever needs it.
struct ProgramFolder {
    QString path;

    QString memoFolder() const { return path + QStringLiteral("/Mnemos"); }
    QString launcherFolder() const { return path + QStringLiteral("/Menus"); }
};

// The environment variable that names the program folder.
inline constexpr char PROGRAM_FOLDER_VARIABLE[] = "PENSOIR_DIR";

// $PENSOIR_DIR when set; else the executable's folder when it already holds Mnemos/ or Menus/ (a portable
// install); else the user's data folder, created when missing.
ProgramFolder findProgramFolder();

// The folder $PENSOIR_DIR names, made absolute; empty when it is not set.
QString requestedProgramFolder();

// The program's own file, full path: what starts it again.
QString programFilePath();
