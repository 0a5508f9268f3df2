// The memo's popup menu.
#include "Mnemo.h"

#include <QMenu>

void Mnemo::Créer_Menu() {
    Mnu_Mnémo = new QMenu(QStringLiteral("Mnémo"), this);
    Mnu_Mnémo->setObjectName(QStringLiteral("Mnu_Mnémo"));
    Mnu_Sauvegarder =
        Mnu_Mnémo->addAction(QStringLiteral("Sauvegarder ce Mnémo"), this, &Mnemo::Mnu_Sauvegarder_Click);
    Mnu_Imprimer = Mnu_Mnémo->addMenu(QStringLiteral("Imprimer ce Mnémo"));
    Mnu_Imprimer_Texte =
        Mnu_Imprimer->addAction(QStringLiteral("Mode &texte"), this, &Mnemo::Mnu_Imprimer_Texte_Click);
    Mnu_Imprimer_Image =
        Mnu_Imprimer->addAction(QStringLiteral("Mode &image"), this, &Mnemo::Mnu_Imprimer_Image_Click);
    Mnu_Fermer = Mnu_Mnémo->addAction(QStringLiteral("Fermer ce Mnémo"), this, &Mnemo::Mnu_Fermer_Click);
    // Shortcuts of their own, shown beside the captions; they act whenever the window is active.
    Mnu_Sauvegarder->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Mnu_Fermer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    addActions({Mnu_Sauvegarder, Mnu_Fermer});
    Mnu_Supprimer =
        Mnu_Mnémo->addAction(QStringLiteral("Supprimer ce Mnémo"), this, &Mnemo::Mnu_Supprimer_Click);
    Mnu_Mnémo->addSeparator();
    Mnu_Déplacer = Mnu_Mnémo->addAction(QStringLiteral("Déplacer ce Mnémo"));
    Mnu_Déplacer->setCheckable(true);
    // The handler decides the new state from the one the entry had when it was chosen.
    connect(Mnu_Déplacer, &QAction::triggered, this, [this] {
        Mnu_Déplacer->setChecked(!Mnu_Déplacer->isChecked());
        Mnu_Déplacer_Click();
    });
    Men_Titre = Mnu_Mnémo->addAction(QStringLiteral("Titre de ce Mnémo"), this, &Mnemo::LB_Titre_Click);
    Mnu_Mnémo->addSeparator();
    Mnu_Options = Mnu_Mnémo->addAction(QStringLiteral("Options de ce Mnémo"));
    Mnu_Options->setCheckable(true);
    // The handler decides from the state the entry had when it was chosen; the panels then tick it or not.
    connect(Mnu_Options, &QAction::triggered, this, [this] {
        Mnu_Options->setChecked(!Mnu_Options->isChecked());
        Mnu_Options_Click();
    });
    Mnu_Mnémo->addSeparator();
    // The key names are those of the text box's own commands; the entries have no shortcut.
    Men_Copier = Mnu_Mnémo->addAction(QStringLiteral("Copier (Ctrl+Ins)"), this, &Mnemo::Men_Copier_Click);
    Men_Coller = Mnu_Mnémo->addAction(QStringLiteral("Coller (Maj+Ins)"), this, &Mnemo::Men_Coller_Click);
}
