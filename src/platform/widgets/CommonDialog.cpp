#include "CommonDialog.h"

#include <QDir>

bool Dialogue_Commun::ShowOpen() {
    const QString choisi = plateforme_.openFileName({DialogTitle, InitDir, Filter, FilterIndex});
    if (choisi.isEmpty()) return false;
    FileName = choisi;
    return true;
}

QString dossierInitialProgrammes() {
    return QDir::homePath();
}
