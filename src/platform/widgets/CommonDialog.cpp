#include "CommonDialog.h"

#include <QDir>

bool Dialogue_Commun::ShowOpen(QWidget& propriétaire) {
    const QString choisi =
        plateforme_.openFileName(propriétaire, {DialogTitle, InitDir, Filter, FilterIndex});
    if (choisi.isEmpty()) return false;
    FileName = choisi;
    return true;
}

QString dossierInitialProgrammes() {
    return QDir::homePath();
}
