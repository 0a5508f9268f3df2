// The launcher entries of the tray menu: read at start-up, added with "Ajout menu", started when chosen.
#include "FrmUtilitaires.h"

#include "FichierMenus.h"

#include "platform/core/ApplicationTitle.h"
#include "store/ValeurCitee.h"
#include "store/Windows1252.h"

#include <QFileInfo>

void FrmUtilitaires::Lecture_Menus() {
    for (const Option_Lanceur& option : Lire_Fichier_Menus(contexte.dossier.launcherFolder()))
        if (Mnu_Lancer->ajouter(option.légende, option.ligneCommande) < 0) break;
}

void FrmUtilitaires::Command5_Click() {
    CommonDialog1.DialogTitle = QStringLiteral("Selectionner le programme à lancer");
    CommonDialog1.InitDir = dossierInitialProgrammes();
    CommonDialog1.Filter = FILTRE_PROGRAMMES;
    CommonDialog1.FilterIndex = FILTRE_EXÉCUTABLES;
    // The dialog keeps its last file across uses, so a cancel is told by the answer, not by FileName.
    if (!CommonDialog1.ShowOpen(*this) || CommonDialog1.FileName.isEmpty()) return;
    const QString chemin = CommonDialog1.FileName;
    // Such an entry could never be started again once read back from the file.
    if (const QList<char32_t> refusés = Caractères_Hors_Options(chemin); !refusés.isEmpty()) {
        plateforme.messageBox(
            *this,
            QStringLiteral("Ce programme ne peut pas être ajouté au menu : son chemin contient "
                           "des caractères que le fichier des menus ne peut pas garder (%1).\n\n%2")
                .arg(lettresÀMontrer(refusés), chemin),
            MessageButtons::Ok, MessageIcon::Exclamation, titreApplication());
        return;
    }

    const int index = Mnu_Lancer->prochainIndex();
    const QString légende =
        plateforme.inputBox(*this, QStringLiteral("Entrer l'option menu à ajouter !"), titreApplication(),
                            QString::number(index) + QStringLiteral(" - ") + QFileInfo(chemin).fileName());
    // The menu shows the caption as the file keeps it, so that it reads the same after a restart.
    Mnu_Lancer->ajouter(Valeur_Option(légende), chemin);
    Ajouter_Au_Fichier_Menus(contexte.dossier.launcherFolder(), légende, chemin);
}

void FrmUtilitaires::Mnu_Lancer_Click(int index) {
    Mnu_Lancer->lancer(index, plateforme, *this);
}
