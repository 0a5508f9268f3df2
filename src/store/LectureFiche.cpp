#include "LectureFiche.h"

#include "DiskFiles.h"
#include "FichiersMnemo.h"
#include "FormatFiche.h"

Fiche_Mnémo Lire_Fiche(const QString& dossierMnémos, const QString& nom, qint16& Icône_Choisie,
                       Empreinte_Fiche* empreinte) {
    QByteArray octets;
    Fiche_Mnémo fiche;
    const QString chemin = Chemin_Mnémo(dossierMnémos, nom, EXTENSION_FICHE);
    const bool valide = Nom_Mnémo_Valide(nom);
    // One byte past the limit, for the fingerprint; the record itself is read up to the limit.
    const bool lu = valide && readFileStart(chemin, OCTETS_EMPREINTE, octets);
    if (lu)
        fiche = Analyser_Fiche(octets.size() > LIMITE_FICHIER_FICHE ? octets.first(LIMITE_FICHIER_FICHE)
                                                                    : octets);
    if (empreinte)
        *empreinte = valide ? Empreinte_Du_Fichier(chemin, lu ? &octets : nullptr) : Empreinte_Fiche{};
    Icône_Choisie = fiche.Icône;
    return fiche;
}
