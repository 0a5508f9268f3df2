// The recovery copy of a memo's unsaved changes.
#include "Mnemo.h"

#include "store/FichiersMnemo.h"
#include "store/Recuperation.h"

#include <QPlainTextEdit>

// The timer runs only while a change waits for its copy: a desktop of memos left alone wakes nobody. Every
// change sets Modifié, which starts it, and so does any later change of the text of a modified memo (a
// drop brings no key).
void Mnemo::Préparer_Récupération() {
    minuterieRécupération_.setParent(this);
    minuterieRécupération_.setObjectName(QStringLiteral("minuterieRécupération"));
    minuterieRécupération_.setInterval(DÉLAI_RÉCUPÉRATION_MS);
    connect(&minuterieRécupération_, &QTimer::timeout, this, &Mnemo::Garder_Récupération);
    const auto changement = [this] {
        if (Modifié && !minuterieRécupération_.isActive()) minuterieRécupération_.start();
    };
    Modifié.quandMis = changement;
    connect(TX_Mnémo, &QPlainTextEdit::textChanged, this, changement);
}

QString Mnemo::Fichier_Récupération() const {
    return Chemin_Récupération(contexte.dossier.memoFolder(), Tag);
}

void Mnemo::Garder_Récupération() {
    const bool gardé = !Modifié || !Nom_Mnémo_Valide(Tag) ||
                       (dernièreRécupération_ && *dernièreRécupération_ == Fiche()) || Écrire_Récupération();
    // A copy that could not be written is tried again at the next tick.
    if (gardé) minuterieRécupération_.stop();
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
