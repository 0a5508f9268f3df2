#include "LectureFiche.h"

#include "DiskFiles.h"
#include "FichiersMnemo.h"
#include "FormatFiche.h"

Fiche_Mnémo Lire_Fiche(const QString& dossierMnémos, const QString& nom, qint16& Icône_Choisie) {
    QByteArray octets;
    Fiche_Mnémo fiche;
    if (Nom_Mnémo_Valide(nom) &&
        readFileStart(Chemin_Mnémo(dossierMnémos, nom, EXTENSION_FICHE), LIMITE_FICHIER_FICHE, octets))
        fiche = Analyser_Fiche(octets);
    Icône_Choisie = fiche.Icône;
    return fiche;
}
