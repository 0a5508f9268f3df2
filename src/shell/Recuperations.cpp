// Recovery copies offered back at start-up.
#include "FrmUtilitaires.h"

#include "memo/Mnemo.h"
#include "platform/core/ApplicationTitle.h"
#include "store/ImageMnemo.h"
#include "store/Recuperation.h"

void FrmUtilitaires::Reprendre_Récupérations() {
    const QString dossier = contexte.dossier.memoFolder();
    QList<Récupération> copies;
    for (const Récupération& copie : Lire_Récupérations(dossier)) {
        if (copie.complète)
            copies << copie;
        else // no memo can be opened from it; it stays for the user to look at
            Écarter_Récupération(dossier, copie.nom, plateforme.now());
    }
    if (copies.isEmpty()) return;

    const int réponse = plateforme.messageBox(
        *this,
        QStringLiteral("Des modifications non enregistrées de %1 Mnémo(s) ont été retrouvées. Les rouvrir ?")
            .arg(copies.size()),
        MessageButtons::YesNo, MessageIcon::Question, titreApplication());
    // Ended while asked: nobody said no, and the copies are offered again at the next start.
    if (contexte.Fin_De_Session) return;
    if (réponse != vbYes) {
        for (const Récupération& copie : copies)
            Écarter_Récupération(dossier, copie.nom, plateforme.now());
        return;
    }

    for (const Récupération& copie : copies) {
        Mnemo* fenêtre = Fenêtre_Du_Mnémo(copie.nom);
        QImage image;
        if (fenêtre) {
            image = fenêtre->Image();
        } else {
            // A protected memo's changes are shown to whoever knows its password; refused, the copy waits
            // for the next start.
            if (!Mot_De_Passe_Admis(copie.fiche.MdP, copie.fiche.Titre)) continue;
            fenêtre = Nouvelle_Fenêtre();
            if (!fenêtre) break;
            fenêtre->Tag = copie.nom;
            fenêtre->show();
            image = Image_À_L_Ouverture(copie.nom, copie.fiche.Titre);
        }
        const int ligne = lignesAlarme_.value(copie.nom);
        fenêtre->Remplir(copie.fiche, copie.fiche.Texte, copie.fiche.MdP, image, ligne);
        // The row of the memo's saved alarm, which its next save must update whatever the copy says.
        fenêtre->CK_Alarme_Tag = ligne > 0 ? QString::number(ligne) : QString();
        fenêtre->Modifié = true;
    }
}
