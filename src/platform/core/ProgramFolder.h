#pragma once

#include <QString>

// The folder that holds Mnemos/ and Menus/. It is found once, at start-up, and handed to whoever needs it.
struct ProgramFolder {
    QString path;
    // Named by $PENSOIR_DIR: what the program starts of itself (at login) is handed the same folder.
    bool requested = false;

    QString memoFolder() const { return path + QStringLiteral("/Mnemos"); }
    QString launcherFolder() const { return path + QStringLiteral("/Menus"); }
};

// The environment variable that names the program folder.
inline constexpr char PROGRAM_FOLDER_VARIABLE[] = "PENSOIR_DIR";

// $PENSOIR_DIR when set, made absolute; else the executable's folder when it already holds Mnemos/ or
// Menus/ (a portable install); else the user's data folder, created when missing.
ProgramFolder findProgramFolder();

// The program's own file, full path: what starts it again.
QString programFilePath();
