// The recovery copy of a memo's unsaved changes.
#include "Mnemo.h"

#include "store/FichiersMnemo.h"
#include "store/Recuperation.h"

void Mnemo::Préparer_Récupération() {
    minuterieRécupération_.setInterval(DÉLAI_RÉCUPÉRATION_MS);
    connect(&minuterieRécupération_, &QTimer::timeout, this, &Mnemo::Garder_Récupération);
    minuterieRécupération_.start();
}

QString Mnemo::Fichier_Récupération() const {
    return Chemin_Récupération(contexte.dossier.memoFolder(), Tag);
}

void Mnemo::Garder_Récupération() {
    if (!Modifié || !Nom_Mnémo_Valide(Tag)) return;
    if (dernièreRécupération_ && *dernièreRécupération_ == Fiche()) return;
    Écrire_Récupération();
}

bool Mnemo::Écrire_Récupération(QString* pourquoi) {
    const Fiche_Mnémo fiche = Fiche();
    const Résultat_Écriture écrit =
        ::Écrire_Récupération(contexte.plateforme, contexte.dossier.memoFolder(), Tag, fiche);
    if (écrit.ok()) {
        dernièreRécupération_ = fiche;
        récupérationEnÉchec_ = false;
        return true;
    }
    if (pourquoi) *pourquoi = écrit.description;
    // Nobody is asked about it: the memo itself is still open and can be saved.
    if (!récupérationEnÉchec_)
        qWarning("Pensoir : la copie de secours %s n'a pas pu être écrite : %s",
                 qUtf8Printable(Fichier_Récupération()), qUtf8Printable(écrit.description));
    récupérationEnÉchec_ = true;
    return false;
}

void Mnemo::Oublier_Récupération() {
    dernièreRécupération_.reset();
    Supprimer_Récupération(contexte.dossier.memoFolder(), Tag);
}
