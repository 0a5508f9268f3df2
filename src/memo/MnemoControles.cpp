// The memo window's controls at their places, in twips.
#include "Mnemo.h"

#include "CouleursMnemo.h"
#include "PetitsControles.h"

#include "platform/widgets/PoliceClassique.h"
#include "platform/widgets/StyleClassique.h"
#include "platform/widgets/VbColour.h"
#include "platform/widgets/WidgetGeometry.h"
#include "store/TableAlarmes.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QFont police(const char* nom, double taille) {
    return policeClassique(taille, false, QString::fromLatin1(nom));
}

template <typename T> T* contrôle(QWidget* parent, const char* nom, QRect twips) {
    auto* c = new T(parent);
    c->setObjectName(QString::fromUtf8(nom));
    placerEnTwips(*c, twips.x(), twips.y(), twips.width(), twips.height());
    return c;
}

QRadioButton* boutonPanneau(QWidget* parent, const char* nom, const QString& légende, int gauche) {
    auto* b = contrôle<QRadioButton>(parent, nom, QRect(gauche, 30, 700, 240));
    b->setText(légende);
    b->setFont(police("Arial", 6.75));
    styleClassique(*b);
    return b;
}

void légendeBleue(QWidget& w) {
    QPalette p = w.palette();
    p.setColor(QPalette::WindowText, vbColour(COULEUR_LÉGENDES));
    p.setColor(QPalette::ButtonText, vbColour(COULEUR_LÉGENDES));
    w.setPalette(p);
}

} // namespace

void Mnemo::Créer_Contrôles() {
    zoneClient = new QWidget(this);
    zoneClient->setObjectName(QStringLiteral("zoneClient"));
    zoneClient->installEventFilter(this);
    zoneClient->setFont(police("MS Sans Serif", 8.25));

    barreTitre = new QLabel(this);
    barreTitre->setObjectName(QStringLiteral("barreTitre"));
    barreTitre->setAutoFillBackground(true);
    barreTitre->setStyleSheet(QStringLiteral("background: #000080; color: white; padding-left: 3px;"));
    barreTitre->setTextFormat(Qt::PlainText);
    barreTitre->installEventFilter(this);
    barreTitre->hide();

    FR_Mnémo = contrôle<QFrame>(zoneClient, "FR_Mnémo", QRect(0, 240, 4585, 5625));
    colorerFond(*FR_Mnémo, vbColour(COULEUR_MNÉMO));

    for (int n = 0; n < 32; ++n) {
        QWidget* parent = n < 16 ? FR_Mnémo : zoneClient;
        const int haut = n < 16 ? 720 + 120 * n : 4680 - 120 * (n - 16);
        auto* cellule = new CelluleCouleur(parent, couleurPalette(n));
        cellule->setObjectName(QStringLiteral("PT_Couleurs_%1").arg(n));
        placerEnTwips(*cellule, 0, haut, 285, 120);
        cellule->hide();
        cellule->clic = [this, n] { PT_Couleurs_Click(n); };
        PT_Couleurs << cellule;
    }

    TX_Mnémo = contrôle<QPlainTextEdit>(FR_Mnémo, "TX_Mnémo", QRect(320, 720, 4170, 4820));
    TX_Mnémo->setToolTip(QStringLiteral("Saisir le texte du Mnémo"));
    TX_Mnémo->setFrameShape(QFrame::NoFrame);
    TX_Mnémo->setFont(police("MS Sans Serif", 8.25));
    TX_Mnémo->installEventFilter(this);
    connect(TX_Mnémo, &QPlainTextEdit::textChanged, this, [this] { Contrôle_Change(TX_Mnémo); });

    LB_Titre = contrôle<TitreCliquable>(FR_Mnémo, "LB_Titre", QRect(2535, 210, 105, 360));
    LB_Titre->setFont(police("MS Sans Serif", 13.5));
    LB_Titre->setTextFormat(Qt::PlainText); // the user's words, never HTML
    LB_Titre->setToolTip(QStringLiteral("Clic => changer le titre"));
    LB_Titre->setAttribute(Qt::WA_TranslucentBackground);
    LB_Titre->clic = [this] { LB_Titre_Click(); };

    Image1 = contrôle<ImageCliquable>(FR_Mnémo, "Image1", QRect(60, 150, 480, 480));
    Image1->setScaledContents(true);
    Image1->setToolTip(QStringLiteral("Clic gauche => menu contextuel, Clic droit => choix icône"));
    // Until an icon is chosen the memo shows the program's own.
    Image1->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    Image1->boutonEnfoncé = [this](Qt::MouseButton bouton) { Image1_MouseDown(bouton); };

    PT_Appel_Menu = contrôle<BoutonAppelMenu>(zoneClient, "PT_Appel_Menu", QRect(0, 30, 270, 240));
    PT_Appel_Menu->clic = [this](const QPoint& position) { PT_Appel_Menu_Click(position); };
    PT_Appel_Menu->doubleClic = [this] { PT_Appel_Menu_DblClick(); };
    Option1 = boutonPanneau(zoneClient, "Option1", QStringLiteral("&Texte"), 270);
    Option2 = boutonPanneau(zoneClient, "Option2", QStringLiteral("&Image"), 970);
    Option3 = boutonPanneau(zoneClient, "Option3", QStringLiteral("&Options"), 1670);
    Option1->setChecked(true);

    FR_Image = contrôle<QFrame>(zoneClient, "FR_Image", QRect(0, 950, 4585, 5625));
    colorerFond(*FR_Image, Qt::black);
    FR_Image->hide();
    Image2 = contrôle<QLabel>(FR_Image, "Image2", QRect(30, 150, 4530, 1815));

    Créer_Panneau_Options();

    // The button row and the palette's lower half stand in front of the memo frame.
    for (int n = 16; n < 32; ++n)
        PT_Couleurs[n]->raise();
    for (QWidget* w : {static_cast<QWidget*>(PT_Appel_Menu), static_cast<QWidget*>(Option1),
                       static_cast<QWidget*>(Option2), static_cast<QWidget*>(Option3)})
        w->raise();
}

void Mnemo::Créer_Panneau_Options() {
    FR_Options = contrôle<QFrame>(zoneClient, "FR_Options", QRect(0, 950, 4585, 4920));
    colorerFond(*FR_Options, vbColour(COULEUR_OPTIONS));
    FR_Options->hide();
    const QString bulleLancement = QStringLiteral("Comportement de ce Mnémo au lancement de l'application");

    Frame2 = contrôle<QFrame>(FR_Options, "Frame2", QRect(60, 120, 4345, 1035));
    Frame2->setFrameShape(QFrame::Box);
    Frame2->setToolTip(bulleLancement);
    RB_Ouvert = contrôle<QRadioButton>(Frame2, "RB_Ouvert", QRect(60, 100, 2010, 285));
    RB_Ouvert->setText(QStringLiteral("Mnémo toujours ourvert"));
    RB_Ouvert->setChecked(true);
    RB_Fermé = contrôle<QRadioButton>(Frame2, "RB_Fermé", QRect(60, 390, 1950, 285));
    RB_Fermé->setText(QStringLiteral("Mnémo toujours fermé"));
    CK_Avant_Plan = contrôle<QCheckBox>(Frame2, "CK_Avant_Plan", QRect(2400, 120, 1800, 285));
    CK_Avant_Plan->setText(QStringLiteral("Mettre en avant-plan"));
    PB_Couleur = contrôle<QPushButton>(Frame2, "PB_Couleur", QRect(2400, 390, 1800, 285));
    PB_Couleur->setText(QStringLiteral("Couleur Mnémo"));
    PB_Couleur->setToolTip(QStringLiteral("Choix de la couleur de ce Mnémo"));
    PB_Police = contrôle<QPushButton>(Frame2, "PB_Police", QRect(2400, 660, 1800, 285));
    PB_Police->setText(QStringLiteral("Police caractères"));
    PB_Police->setToolTip(QStringLiteral("Choix des caractères de ce Mnémo"));
    auto* étiquetteMdP = contrôle<QLabel>(Frame2, "Label3", QRect(130, 720, 960, 195));
    étiquetteMdP->setText(QStringLiteral("Mot de passe"));
    TX_MdP = contrôle<QLineEdit>(Frame2, "TX_MdP", QRect(1220, 660, 1065, 315));
    TX_MdP->setEchoMode(QLineEdit::Password);
    TX_MdP->setMaxLength(8);
    TX_MdP->setToolTip(
        QStringLiteral("Mot de passe à saisir lors de l'ouverture de ce Mnémo ( 8 caractères maximum )"));

    Frame1 = contrôle<QFrame>(FR_Options, "Frame1", QRect(60, 1140, 4345, 1875));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setToolTip(bulleLancement);
    FR_Alarme = contrôle<QFrame>(Frame1, "FR_Alarme", QRect(90, 150, 4135, 1635));
    FR_Alarme->setToolTip(bulleLancement);
    auto* étiquetteJour = contrôle<QLabel>(FR_Alarme, "Label1", QRect(120, 210, 300, 195));
    étiquetteJour->setText(QStringLiteral("Jour"));
    TX_Jour = contrôle<QLineEdit>(FR_Alarme, "TX_Jour", QRect(810, 180, 1400, 315));
    TX_Jour->setText(JOUR_TOUS_LES_JOURS);
    TX_Jour->setMaxLength(10);
    TX_Jour->setAlignment(Qt::AlignCenter);
    TX_Jour->setToolTip(QStringLiteral("Date de déclenchement ( tous les jours si vide )"));
    PB_Régler = contrôle<QPushButton>(FR_Alarme, "PB_Régler", QRect(2300, 180, 1800, 285));
    PB_Régler->setText(QStringLiteral("Régler"));
    PB_Régler->setToolTip(QStringLiteral("Pour choisir un jour précis"));
    auto* étiquetteHeure = contrôle<QLabel>(FR_Alarme, "Label2", QRect(120, 540, 435, 195));
    étiquetteHeure->setText(QStringLiteral("Heure"));
    TX_Heure = contrôle<QLineEdit>(FR_Alarme, "TX_Heure", QRect(810, 510, 1400, 315));
    TX_Heure->setText(HEURE_VIDE);
    TX_Heure->setMaxLength(5);
    TX_Heure->setAlignment(Qt::AlignCenter);
    TX_Heure->setToolTip(QStringLiteral("Heure de déclenchement"));
    CK_Alarme = contrôle<QCheckBox>(FR_Alarme, "CK_Alarme", QRect(2310, 540, 810, 285));
    CK_Alarme->setText(QStringLiteral("Alarme"));
    CK_Beep = contrôle<QCheckBox>(FR_Alarme, "CK_Beep", QRect(3360, 540, 675, 285));
    CK_Beep->setText(QStringLiteral("Beep"));
    CK_Beep->setToolTip(QStringLiteral("Emission d'un beep lorsque l'alarme est déclenchée"));
    CK_Beep->setChecked(true);
    TX_Alarme = contrôle<QLineEdit>(FR_Alarme, "TX_Alarme", QRect(90, 870, 3955, 345));
    TX_Alarme->setToolTip(QStringLiteral("Texte affiché par l'alarme"));
    PB_PRG = contrôle<QPushButton>(FR_Alarme, "PB_PRG", QRect(90, 1260, 3930, 285));
    PB_PRG->setText(PRG_AUCUN);
    PB_PRG->setToolTip(
        QStringLiteral("Eventuelle sélection d'un programme à lancer lorsque l'alarme est déclenchée"));

    for (QWidget* légende :
         std::initializer_list<QWidget*>{RB_Ouvert, RB_Fermé, CK_Avant_Plan, étiquetteMdP, étiquetteJour,
                                         étiquetteHeure, CK_Alarme, CK_Beep})
        légendeBleue(*légende);
    for (QAbstractButton* bouton :
         std::initializer_list<QAbstractButton*>{RB_Ouvert, RB_Fermé, CK_Avant_Plan, CK_Alarme, CK_Beep})
        styleClassique(*bouton);
    for (QLabel* étiquette : {étiquetteMdP, étiquetteJour, étiquetteHeure})
        agrandirÀSonTexte(*étiquette);
}
