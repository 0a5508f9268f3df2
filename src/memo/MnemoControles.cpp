// The memo window's controls at their places, in twips.
#include "Mnemo.h"

#include "CouleursMnemo.h"
#include "PetitsControles.h"
#include "ZoneTexte.h"

#include "platform/widgets/PoliceClassique.h"
#include "platform/widgets/StyleClassique.h"
#include "platform/widgets/VbColour.h"
#include "platform/widgets/WidgetGeometry.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextDocument>

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

    auto* zoneTexte = contrôle<ZoneTexte>(FR_Mnémo, "TX_Mnémo", QRect(320, 720, 4170, 4820));
    zoneTexte->longueurAcceptée = [this](qsizetype longueur) { return texteCollable(longueur); };
    TX_Mnémo = zoneTexte;
    TX_Mnémo->setToolTip(QStringLiteral("Saisir le texte du Mnémo"));
    TX_Mnémo->setFrameShape(QFrame::NoFrame);
    TX_Mnémo->setFont(police("MS Sans Serif", 8.25));
    TX_Mnémo->installEventFilter(this);
    // The document tells where its text changed, just before the text box tells that it did.
    connect(TX_Mnémo->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int ajoutés) { noterChangementTexte(position, ajoutés); });
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

    Créer_Panneaux();

    // The button row and the palette's lower half stand in front of the memo frame.
    for (int n = 16; n < 32; ++n)
        PT_Couleurs[n]->raise();
    for (QWidget* w : {static_cast<QWidget*>(PT_Appel_Menu), static_cast<QWidget*>(Option1),
                       static_cast<QWidget*>(Option2), static_cast<QWidget*>(Option3)})
        w->raise();
}
