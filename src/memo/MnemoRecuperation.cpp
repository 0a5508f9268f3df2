// The recovery copy of a memo's unsaved changes.
#include "Mnemo.h"

#include "store/FichiersMnemo.h"
#include "store/Recuperation.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QWindow>

// The timer runs only while a change waits for its copy: a desktop of memos left alone wakes nobody. The
// text's changes start it, and so does the window coming back to the front once a box it opened (title,
// alarm, options) has closed; a change that neither follows (a colour cell clicked) is copied with the
// next one.
void Mnemo::Préparer_Récupération() {
    minuterieRécupération_.setParent(this);
    minuterieRécupération_.setObjectName(QStringLiteral("minuterieRécupération"));
    minuterieRécupération_.setInterval(DÉLAI_RÉCUPÉRATION_MS);
    connect(&minuterieRécupération_, &QTimer::timeout, this, &Mnemo::Garder_Récupération);
    const auto changement = [this] {
        if (Modifié && !minuterieRécupération_.isActive()) minuterieRécupération_.start();
    };
    connect(TX_Mnémo, &QPlainTextEdit::textChanged, this, changement);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this, changement](QWindow* active) {
        if (active && active == windowHandle()) changement();
    });
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
