// The tray menu.
#include "FrmUtilitaires.h"

#include <QMenu>

void FrmUtilitaires::Créer_Menu() {
    MenuPopUp = new QMenu(this);
    MenuPopUp->setObjectName(QStringLiteral("MenuPopUp"));

    Mnu_Fermer = MenuPopUp->addAction(QStringLiteral("&Masquer"), this, &FrmUtilitaires::Mnu_Fermer_Click);
    Mnu_Quit = MenuPopUp->addAction(QStringLiteral("&Quitter"), this, &FrmUtilitaires::Mnu_Quit_Click);
    MenuPopUp->addSeparator();
    Mnu_Mnémo = MenuPopUp->addAction(QStringLiteral("Créer un nouveau Mnémo"), this,
                                     &FrmUtilitaires::Mnu_Mnémo_Click);
    Mnu_Afficher = MenuPopUp->addAction(QStringLiteral("Afficher tous les Mnémos"), this,
                                        &FrmUtilitaires::Mnu_Afficher_Click);
    MenuPopUp->addSeparator();
    Mnu_Lancer = std::make_unique<Lanceur>(*MenuPopUp, [this](int index) { Mnu_Lancer_Click(index); });
    Mnu_Lancer_0 = Mnu_Lancer->élément(0);
}

// Choosing "&Masquer" only closes the menu.
void FrmUtilitaires::Mnu_Fermer_Click() {}

void FrmUtilitaires::Mnu_Quit_Click() {
    Form_Unload();
}

void FrmUtilitaires::Mnu_Afficher_Click() {
    contexte.Fermeture_En_Cours = false;
    const int réponse = plateforme.messageBox(
        *this, QStringLiteral("Fermeture immédiate des Mnémos ouverts ?"), MessageButtons::YesNo,
        MessageIcon::Question, QStringLiteral("Affichage de la liste de tous les Mnémos"));
    if (réponse == vbYes) {
        // A memo whose save failed stays open, and the list waits until it is dealt with.
        if (!Fermeture_Mnémos()) return;
        Nb_Fenêtres = 0;
    }
    Lecture_Mnémos(true, true, true);
}
