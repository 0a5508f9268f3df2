#include "RestesMnemo.h"

#include "DiskFiles.h"
#include "FichiersMnemo.h"
#include "Recuperation.h"

#include <QDir>
#include <QFileInfo>

namespace {

int supprimerDans(const QString& dossier, const QDateTime& avant) {
    int supprimés = 0;
    const QStringList modèles = {QLatin1Char('*') + EXTENSION_FICHE_PROVISOIRE,
                                 QLatin1Char('*') + EXTENSION_IMAGE_PROVISOIRE};
    const QStringList noms =
        QDir(dossier).entryList(modèles, QDir::Files | QDir::System | QDir::Hidden | QDir::CaseSensitive);
    for (const QString& nom : noms) {
        const QString chemin = dossier + QLatin1Char('/') + nom;
        // The writer makes regular files only: a link or anything else under such a name is not its own.
        const QFileInfo info(chemin);
        if (info.isSymLink() || !info.isFile()) continue;
        if (info.lastModified() >= avant) continue;
        if (removeFile(chemin) == 0) ++supprimés;
    }
    return supprimés;
}

} // namespace

int Supprimer_Restes_Abandonnés(const QString& dossierMnémos, const QDateTime& maintenant) {
    const QDateTime avant = maintenant.addSecs(-ÂGE_RESTE_ABANDONNÉ_S);
    return supprimerDans(dossierMnémos, avant) + supprimerDans(Dossier_Récupération(dossierMnémos), avant);
}
