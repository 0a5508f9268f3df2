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
    Mnu_Lancer_0 = MenuPopUp->addAction(QStringLiteral("Lancer"));
    Mnu_Lancer_0->setVisible(false);
}

// Choosing "&Masquer" only closes the menu.
void FrmUtilitaires::Mnu_Fermer_Click() {}

void FrmUtilitaires::Mnu_Quit_Click() {
    Form_Unload();
}

void FrmUtilitaires::Mnu_Mnémo_Click() {}

void FrmUtilitaires::Mnu_Afficher_Click() {}
