// A memo saved by two running copies of the program: neither overwrites the other's version unknowingly.
#include "Mnemo.h"

#include "store/FichiersMnemo.h"
#include "store/Recuperation.h"

#include <QFileInfo>

void Mnemo::Retenir_Fiche_Sur_Disque() {
    ficheConnue_ = Empreinte_Sur_Disque(contexte.dossier.memoFolder(), Tag);
}

void Mnemo::Retenir_Fiche(const Empreinte_Fiche& lue) {
    ficheConnue_ = lue;
}

void Mnemo::Retenir_Fiche_Absente() {
    ficheConnue_ = {};
}

bool Mnemo::Accepter_Fiche_Sur_Disque(bool avecQuestions, QString* pourquoi, QString& nomQuitté) {
    nomQuitté.clear();
    // A name the writer refuses is reported by the writer.
    if (!Nom_Mnémo_Valide(Tag)) return true;
    if (Empreinte_Sur_Disque(contexte.dossier.memoFolder(), Tag) == ficheConnue_) return true;
    if (avecQuestions)
        return contexte.plateforme.messageBox(
                   *this,
                   QStringLiteral("Le Mnémo a été modifié ailleurs depuis son ouverture. Le remplacer ?"),
                   MessageButtons::YesNo, MessageIcon::Question,
                   QStringLiteral("Mmémo : ") + Titre()) == vbYes;
    const QString nouveau = contexte.Nouveau_Nom_Mnémo ? contexte.Nouveau_Nom_Mnémo() : QString();
    if (!Nom_Mnémo_Valide(nouveau) || nouveau == Tag ||
        QFileInfo::exists(Chemin_Mnémo(contexte.dossier.memoFolder(), nouveau, EXTENSION_FICHE))) {
        if (pourquoi)
            *pourquoi = QStringLiteral("il a été modifié ailleurs depuis son ouverture, et aucun nouveau nom "
                                       "n'a pu lui être donné");
        return false;
    }
    nomQuitté = Tag;
    Tag = nouveau;
    return true;
}

void Mnemo::Conclure_Écriture(bool écrite, const Empreinte_Fiche& empreinte, const QString& nomQuitté) {
    if (!écrite) {
        if (!nomQuitté.isEmpty()) Tag = nomQuitté; // its recovery copy stays under that name
        return;
    }
    ficheConnue_ = empreinte;
    if (nomQuitté.isEmpty()) return;
    // The changes are safe under the new name; the copy kept under the old one must not come back over the
    // other copy's version at the next start.
    Supprimer_Récupération(contexte.dossier.memoFolder(), nomQuitté);
    const QString ancien = Chemin_Mnémo(contexte.dossier.memoFolder(), nomQuitté, EXTENSION_FICHE);
    const QString ailleurs =
        QFileInfo::exists(ancien)
            ? QStringLiteral("ce que l'autre copie a écrit dans %1 est gardé").arg(ancien)
            : QStringLiteral("%1, supprimé ailleurs, le reste").arg(ancien);
    qWarning("Pensoir : le Mnémo « %s » avait été modifié ailleurs depuis son ouverture ; il est enregistré "
             "sous un nouveau nom, dans %s, et %s.",
             qUtf8Printable(Titre().left(200)), qUtf8Printable(Fichier_Fiche()), qUtf8Printable(ailleurs));
}
