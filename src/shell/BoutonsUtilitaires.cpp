// The column of utility buttons.
#include "FrmUtilitaires.h"

#include "dialogs/APropos.h"
#include "platform/widgets/PoliceClassique.h"
#include "platform/widgets/VbColour.h"
#include "platform/widgets/WidgetGeometry.h"

#include <QPushButton>

namespace {
constexpr std::uint32_t VERT = 0x0000FF00;
constexpr int GAUCHE = 30, HAUT = 30, PAS = 390, LARGEUR = 1815, HAUTEUR = 375;
constexpr double TAILLE_POLICE = 8.25, TAILLE_POLICE_PETITE = 6.75;
} // namespace

void FrmUtilitaires::Créer_Boutons() {
    struct Bouton {
        QPushButton* FrmUtilitaires::*membre;
        const char* nom;
        QString légende;
        QString bulle;
        void (FrmUtilitaires::*action)();
        double taille;
    };
    const Bouton boutons[] = {
        {&FrmUtilitaires::Command2, "Command2", QStringLiteral("&Masquer"),
         QStringLiteral("Cacher ces options et ne conserver que l'icône dans la barre d'état"),
         &FrmUtilitaires::Command2_Click, TAILLE_POLICE},
        {&FrmUtilitaires::Command5, "Command5", QStringLiteral("Ajout menu"),
         QStringLiteral("Ajouter une option de menu à la liste accessible depuis l'icône de la barre d'état"),
         &FrmUtilitaires::Command5_Click, TAILLE_POLICE},
        {&FrmUtilitaires::Command1, "Command1", QStringLiteral("Démarrage par Windows"),
         QStringLiteral("Automatiser le démarrage lors du lancement de Windows"),
         &FrmUtilitaires::Command1_Click, TAILLE_POLICE_PETITE},
        {&FrmUtilitaires::Command3, "Command3", QStringLiteral("Alarme"),
         QStringLiteral("Modifier la prochaine alarme à déclencher"), &FrmUtilitaires::Command3_Click,
         TAILLE_POLICE},
        {&FrmUtilitaires::Command8, "Command8", QStringLiteral("Identifiant Windows"),
         QStringLiteral("Afficher le nom de l'utilisateur qui a ouvert la session Windows"),
         &FrmUtilitaires::Command8_Click, TAILLE_POLICE},
        {&FrmUtilitaires::Command7, "Command7", QStringLiteral("Infos système"),
         QStringLiteral("Informations générales sur le système en cours"), &FrmUtilitaires::Command7_Click,
         TAILLE_POLICE},
        {&FrmUtilitaires::Command4, "Command4", QStringLiteral("A propos"), QStringLiteral("Pensoir"),
         &FrmUtilitaires::Command4_Click, TAILLE_POLICE},
        {&FrmUtilitaires::Command6, "Command6", QStringLiteral("Quitter"),
         QStringLiteral("Fermer définitivement l'application en cours"), &FrmUtilitaires::Command6_Click,
         TAILLE_POLICE},
    };
    int haut = HAUT;
    for (const Bouton& b : boutons) {
        auto* bouton = new QPushButton(b.légende, this);
        bouton->setObjectName(QString::fromLatin1(b.nom));
        bouton->setToolTip(b.bulle);
        bouton->setFont(policeClassique(b.taille, false, QStringLiteral("Arial")));
        colorerFond(*bouton, vbColour(VERT));
        placerEnTwips(*bouton, GAUCHE, haut, LARGEUR, HAUTEUR);
        connect(bouton, &QPushButton::clicked, this, b.action);
        this->*b.membre = bouton;
        haut += PAS;
    }
}

void FrmUtilitaires::Command2_Click() {
    hide();
}

void FrmUtilitaires::Command4_Click() {
    A_propos fenêtre(this);
    plateforme.execDialog(*this, fenêtre);
}

void FrmUtilitaires::Command6_Click() {
    Form_Unload();
}
