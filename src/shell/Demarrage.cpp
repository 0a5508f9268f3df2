// Start-up and shut-down of the main window.
#include "FrmUtilitaires.h"

#include "memo/Mnemo.h"
#include "platform/core/ApplicationTitle.h"
#include "store/DiskFiles.h"
#include "store/TablesCodage.h"

void FrmUtilitaires::Form_Load() {
    const bool autreCopie = plateforme.anotherCopyRunning();
    if (autreCopie) {
        plateforme.beep();
        plateforme.messageBox(*this, QStringLiteral("Cette application est déjà lancée !"),
                              MessageButtons::Ok, MessageIcon::Critical, titreApplication());
    } else if (const QString problème = plateforme.instanceLockFailure(); !problème.isEmpty()) {
        plateforme.messageBox(*this, problème, MessageButtons::Ok, MessageIcon::Exclamation,
                              titreApplication());
    }
    Supprimer_Restes(!autreCopie && plateforme.instanceLockFailure().isEmpty());
    Init_Tables();
    contexte.Fermeture_En_Cours = false;
    protégerDossiers();
    Lecture_Menus();

    plateforme.tray().onMouse = [this](int message) { Souris_Barre(message); };
    const QIcon icône = windowIcon();
    const QString bulle = Bulle_Du_Jour();
    Icône_Barre(NIM_ADD, &icône, &bulle);

    hide();
    Lecture_Mnémos(false, false, true);
    // The copies of another running copy are its own.
    if (!autreCopie && !terminé_) Reprendre_Récupérations();

    Prochaine_Alarme();

    // Without a tray the hidden window would leave the user no way in.
    if (!plateforme.tray().isAvailable()) show();
}

// The memo and launcher folders hold what Pensoir runs (alarm and launcher programs): only the user may
// write there. Missing folders are made private when they are created.
void FrmUtilitaires::protégerDossiers() {
    for (const QString& dossier : {contexte.dossier.memoFolder(), contexte.dossier.launcherFolder()}) {
        switch (keepFolderPrivate(dossier)) {
        case FolderPrivacy::NotOwned:
            qWarning("Pensoir : le dossier %s appartient à un autre compte ; ses droits d'accès ne sont pas "
                     "changés. Vérifiez que vous seul pouvez y écrire : les programmes des alarmes et du "
                     "menu y sont lus.",
                     qUtf8Printable(dossier));
            break;
        case FolderPrivacy::Unchanged:
            qWarning("Pensoir : les droits d'accès du dossier %s n'ont pas pu être réservés à son "
                     "propriétaire.",
                     qUtf8Printable(dossier));
            break;
        case FolderPrivacy::Private:
        case FolderPrivacy::Missing:
            break;
        }
    }
}

bool FrmUtilitaires::Fermeture_Mnémos() {
    for (int slot = 1; slot <= Nb_Fenêtres && slot < NB_FENÊTRES; ++slot) {
        if (Mnemo* fenêtre = Fenêtres_Mnémo[static_cast<std::size_t>(slot)]; fenêtre && !fenêtre->close())
            return false;
    }
    return true;
}

void FrmUtilitaires::Form_Unload() {
    if (terminé_ || déchargement_) return;
    déchargement_ = true;
    contexte.Fermeture_En_Cours = true;
    const bool fermés = Fermeture_Mnémos();
    déchargement_ = false;
    if (!fermés && !terminé_) {
        // The memo whose save failed is still open with its text: the program stays for the user.
        contexte.Fermeture_En_Cours = false;
        return;
    }
    Terminer_Programme();
}

void FrmUtilitaires::Terminer_Programme() {
    if (terminé_) return;
    terminé_ = true;
    Icône_Barre(NIM_DELETE);
    Timer1.arrêter();
    hide();
    terminer();
}
