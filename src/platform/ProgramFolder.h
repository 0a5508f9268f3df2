#pragma once

#include <QString>

// The folder that holds Mnemos/ and Menus/: $PENSOIR_DIR when set; else the executable's folder when it
// already holds one of them (a portable install); else the user's data folder, created when missing.
QString programFolder();

QString memoFolder();     // programFolder() + "/Mnemos"
QString launcherFolder(); // programFolder() + "/Menus"
