#include "SuppressionMnemo.h"

#include "DiskFiles.h"
#include "ErreursFichier.h"
#include "FichiersMnemo.h"
#include "platform/Platform.h"

#include <cerrno>

void Supprimer_Fichiers_Mnémo(Platform& plateforme, const QString& dossierMnémos, const QString& nom) {
    if (!Nom_Mnémo_Valide(nom)) return;
    const int erreur = removeFile(Chemin_Mnémo(dossierMnémos, nom, EXTENSION_FICHE));
    if (erreur != 0 && erreur != ENOENT) {
        plateforme.beep();
        Afficher_Erreur_Fichier(plateforme, Erreur_Système(erreur));
    }
    for (const QString& extension : {EXTENSION_IMAGE, EXTENSION_IMAGE_PROVISOIRE, EXTENSION_FICHE_PROVISOIRE})
        removeFile(Chemin_Mnémo(dossierMnémos, nom, extension));
}
