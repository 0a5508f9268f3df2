#pragma once

#include "Platform.h"

#include <QString>

class QWidget;

// The one file-open dialog object the main window shares with every memo window. Its properties keep what
// the last user left in them, the chosen file's name included.
class Dialogue_Commun {
public:
    explicit Dialogue_Commun(Platform& plateforme) : plateforme_(plateforme) {}

    // Shows the file-open box over propriétaire. A chosen file goes into FileName and the answer is true;
    // when the user cancels, FileName keeps what an earlier use left there.
    bool ShowOpen(QWidget& propriétaire);

    QString DialogTitle;
    QString InitDir;
    QString Filter; // "Caption|pattern|Caption|pattern…"
    int FilterIndex = 1;
    QString FileName;

private:
    Platform& plateforme_;
};

// What the program choosers ask for. "*.*" only matches names with a dot here and programs carry no
// extension, so "All Files" and "Exécutables" show every file and scripts stand for batch files.
inline const QString FILTRE_PROGRAMMES =
    QStringLiteral("All Files (*.*)|*|Exécutables (*.exe)|*|Batch Files (*.bat)|*.sh;*.bat");
inline constexpr int FILTRE_EXÉCUTABLES = 2;

// Where the program choosers start: the user's home folder stands for the system drive's root.
QString dossierInitialProgrammes();
