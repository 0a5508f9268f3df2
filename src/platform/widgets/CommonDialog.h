#pragma once

#include "Platform.h"

#include <QColor>
#include <QString>

class QWidget;

// The one common dialog object (file-open, colour and font boxes) the main window shares with every memo
// window. Its properties keep what the last user left in them: the chosen file's name, colour and font.
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

    // The colour box over propriétaire, titled DialogTitle and opened on Color. A chosen colour goes into
    // Color and the answer is true; when the user cancels, Color keeps what it held.
    bool ShowColor(QWidget& propriétaire);
    QColor Color = Qt::black;

    // The font box over propriétaire, titled DialogTitle and opened on the six font properties; a chosen
    // font goes into them and the answer is true. When the user cancels they keep what they held.
    bool ShowFont(QWidget& propriétaire);
    QString FontName;
    double FontSize = 8.25; // points
    bool FontBold = false;
    bool FontItalic = false;
    bool FontStrikethru = false;
    bool FontUnderline = false;

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
