#include "SuppressionMnemo.h"

#include "DiskFiles.h"
#include "FichiersMnemo.h"

#include <cerrno>

Résultat_Écriture Supprimer_Fichiers_Mnémo(const QString& dossierMnémos, const QString& nom) {
    if (!Nom_Mnémo_Valide(nom)) return {};
    const int erreur = removeFile(Chemin_Mnémo(dossierMnémos, nom, EXTENSION_FICHE));
    for (const QString& extension : {EXTENSION_IMAGE, EXTENSION_IMAGE_PROVISOIRE, EXTENSION_FICHE_PROVISOIRE})
        removeFile(Chemin_Mnémo(dossierMnémos, nom, extension));
    if (erreur == ENOENT) return {};
    return Erreur_Système(erreur);
}
