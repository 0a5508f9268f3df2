#include "PanneauOptions.h"

#include "CouleursMnemo.h"
#include "DispositionMnemo.h"

#include "platform/widgets/StyleClassique.h"
#include "platform/widgets/VbColour.h"
#include "platform/widgets/WidgetGeometry.h"
#include "platform/widgets/ZoneLimitee.h"
#include "store/FicheMnemo.h"
#include "store/TableAlarmes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int LONGUEUR_JOUR = 10;
constexpr int LONGUEUR_HEURE = 5;
constexpr int LONGUEUR_MOT_DE_PASSE = 8;
constexpr int LARGEUR_MOT_DE_PASSE_ENREGISTRÉ = 10; // blanks after the password, as the file keeps it

template <typename T> T* contrôle(QWidget* parent, const char* nom, QRect twips) {
    auto* c = new T(parent);
    c->setObjectName(QString::fromUtf8(nom));
    placerEnTwips(*c, twips.x(), twips.y(), twips.width(), twips.height());
    return c;
}

template <typename T> T* légendé(QWidget* parent, const char* nom, const QString& légende, QRect twips) {
    auto* c = contrôle<T>(parent, nom, twips);
    c->setText(légende);
    return c;
}

// Captions of check boxes, option buttons and labels are blue.
void légendeBleue(QWidget& w) {
    QPalette p = w.palette();
    p.setColor(QPalette::WindowText, vbColour(COULEUR_LÉGENDES));
    w.setPalette(p);
}

QFrame* cadre(QWidget* parent, const char* nom, QRect twips, const QString& bulle) {
    auto* f = contrôle<QFrame>(parent, nom, twips);
    f->setFrameShape(QFrame::Box);
    f->setToolTip(bulle);
    return f;
}

} // namespace

PanneauOptions::PanneauOptions(Contexte_Mnémo& c, Drapeau_Modifié& modifié, QWidget* parent)
    : QFrame(parent), contexte(c), Modifié(modifié) {
    setObjectName(QStringLiteral("FR_Options"));
    placerEnTwips(*this, 0, HAUT_PANNEAUX, 4585, 4920);
    // Every control has the panel's light yellow background.
    colorerFond(*this, vbColour(COULEUR_OPTIONS));
    créerComportement();
    créerAlarme();
    for (QWidget* légende : std::initializer_list<QWidget*>{RB_Ouvert, RB_Fermé, CK_Avant_Plan, Label3,
                                                            Label1, Label2, CK_Alarme, CK_Beep})
        légendeBleue(*légende);
    for (QAbstractButton* bouton :
         std::initializer_list<QAbstractButton*>{RB_Ouvert, RB_Fermé, CK_Avant_Plan, CK_Alarme, CK_Beep})
        styleClassique(*bouton);
    for (QLabel* étiquette : {Label3, Label1, Label2})
        agrandirÀSonTexte(*étiquette);
    suivreLesChoix();
    brancherAlarme();
    hide();
}

void PanneauOptions::créerComportement() {
    const QString bulle = QStringLiteral("Comportement de ce Mnémo au lancement de l'application");
    Frame2 = cadre(this, "Frame2", QRect(60, 120, 4345, 1035), bulle);
    RB_Ouvert = légendé<QRadioButton>(Frame2, "RB_Ouvert", QStringLiteral("Mnémo toujours ourvert"),
                                      QRect(60, 100, 2010, 285));
    RB_Fermé = légendé<QRadioButton>(Frame2, "RB_Fermé", QStringLiteral("Mnémo toujours fermé"),
                                     QRect(60, 390, 1950, 285));
    // One group, which a record with neither option may leave without a choice.
    lancement_ = new QButtonGroup(this);
    lancement_->addButton(RB_Ouvert);
    lancement_->addButton(RB_Fermé);
    RB_Ouvert->setChecked(true);

    CK_Avant_Plan = légendé<QCheckBox>(Frame2, "CK_Avant_Plan", QStringLiteral("Mettre en avant-plan"),
                                       QRect(2400, 120, 1800, 285));
    PB_Couleur = légendé<QPushButton>(Frame2, "PB_Couleur", QStringLiteral("Couleur Mnémo"),
                                      QRect(2400, 390, 1800, 285));
    PB_Couleur->setToolTip(QStringLiteral("Choix de la couleur de ce Mnémo"));
    PB_Police = légendé<QPushButton>(Frame2, "PB_Police", QStringLiteral("Police caractères"),
                                     QRect(2400, 660, 1800, 285));
    PB_Police->setToolTip(QStringLiteral("Choix des caractères de ce Mnémo"));
    Label3 = légendé<QLabel>(Frame2, "Label3", QStringLiteral("Mot de passe"), QRect(130, 720, 960, 195));
    TX_MdP = contrôle<QLineEdit>(Frame2, "TX_MdP", QRect(1220, 660, 1065, 315));
    TX_MdP->setEchoMode(QLineEdit::Password);
    TX_MdP->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // '*'
    TX_MdP->setMaxLength(LONGUEUR_MOT_DE_PASSE);
    TX_MdP->setToolTip(
        QStringLiteral("Mot de passe à saisir lors de l'ouverture de ce Mnémo ( 8 caractères maximum )"));
}

void PanneauOptions::créerAlarme() {
    const QString bulle = QStringLiteral("Comportement de ce Mnémo au lancement de l'application");
    Frame1 = cadre(this, "Frame1", QRect(60, 1140, 4345, 1875), bulle);
    FR_Alarme = contrôle<QFrame>(Frame1, "FR_Alarme", QRect(90, 150, 4135, 1635));
    FR_Alarme->setToolTip(bulle);

    Label1 = légendé<QLabel>(FR_Alarme, "Label1", QStringLiteral("Jour"), QRect(120, 210, 300, 195));
    TX_Jour = contrôle<QLineEdit>(FR_Alarme, "TX_Jour", QRect(810, 180, 1400, 315));
    TX_Jour->setMaxLength(LONGUEUR_JOUR);
    TX_Jour->setText(JOUR_TOUS_LES_JOURS);
    TX_Jour->setAlignment(Qt::AlignCenter);
    TX_Jour->setToolTip(QStringLiteral("Date de déclenchement ( tous les jours si vide )"));
    PB_Régler =
        légendé<QPushButton>(FR_Alarme, "PB_Régler", QStringLiteral("Régler"), QRect(2300, 180, 1800, 285));
    PB_Régler->setToolTip(QStringLiteral("Pour choisir un jour précis"));

    Label2 = légendé<QLabel>(FR_Alarme, "Label2", QStringLiteral("Heure"), QRect(120, 540, 435, 195));
    TX_Heure = contrôle<QLineEdit>(FR_Alarme, "TX_Heure", QRect(810, 510, 1400, 315));
    TX_Heure->setMaxLength(LONGUEUR_HEURE);
    TX_Heure->setText(HEURE_VIDE);
    TX_Heure->setAlignment(Qt::AlignCenter);
    TX_Heure->setToolTip(QStringLiteral("Heure de déclenchement"));
    CK_Alarme =
        légendé<QCheckBox>(FR_Alarme, "CK_Alarme", QStringLiteral("Alarme"), QRect(2310, 540, 810, 285));
    CK_Beep = légendé<QCheckBox>(FR_Alarme, "CK_Beep", QStringLiteral("Beep"), QRect(3360, 540, 675, 285));
    CK_Beep->setToolTip(QStringLiteral("Emission d'un beep lorsque l'alarme est déclenchée"));
    CK_Beep->setChecked(true);

    TX_Alarme = contrôle<QLineEdit>(FR_Alarme, "TX_Alarme", QRect(90, 870, 3955, 345));
    TX_Alarme->setToolTip(QStringLiteral("Texte affiché par l'alarme"));
    PB_PRG = légendé<QPushButton>(FR_Alarme, "PB_PRG", PRG_AUCUN, QRect(90, 1260, 3930, 285));
    PB_PRG->setToolTip(
        QStringLiteral("Eventuelle sélection d'un programme à lancer lorsque l'alarme est déclenchée"));
}

// Every choice the user makes here is a change of the memo, so that it is asked about and saved even after
// an earlier "Non"; what the program itself puts in the fields is not.
void PanneauOptions::suivreLesChoix() {
    const auto changement = [this] { Modifié = true; };
    for (QAbstractButton* bouton :
         std::initializer_list<QAbstractButton*>{RB_Ouvert, RB_Fermé, CK_Avant_Plan, CK_Alarme, CK_Beep})
        connect(bouton, &QAbstractButton::clicked, this, changement);
    for (QLineEdit* zone : {TX_MdP, TX_Jour, TX_Heure, TX_Alarme})
        connect(zone, &QLineEdit::textEdited, this, changement);
    connect(CK_Avant_Plan, &QCheckBox::toggled, this, [this](bool dessus) {
        if (avantPlanChangé) avantPlanChangé(dessus);
    });
    connect(PB_Couleur, &QPushButton::clicked, this, [this] {
        if (couleurDemandée) couleurDemandée();
    });
    connect(PB_Police, &QPushButton::clicked, this, [this] {
        if (policeDemandée) policeDemandée();
    });
}

void PanneauOptions::Remplir(const Fiche_Mnémo& f, const QString& motDePasse) {
    // Both options as the record has them, neither ticked included.
    lancement_->setExclusive(false);
    RB_Ouvert->setChecked(f.Ouvert);
    RB_Fermé->setChecked(f.Fermé);
    lancement_->setExclusive(true);
    CK_Avant_Plan->setChecked(f.Avant_Plan);
    CK_Alarme->setChecked(f.Alarme);
    CK_Beep->setChecked(f.Beep);
    remplirJourEtHeure(f.Jour, f.Heure);
    // An alarm message longer than a line box takes, read from the file, stays whole too.
    remplirSansCouper(*TX_Alarme, f.Message, LONGUEUR_ZONE_QT);
    PB_PRG->setText(f.PRG.isEmpty() ? PRG_AUCUN : f.PRG);
    TX_MdP->setText(motDePasse.leftJustified(LARGEUR_MOT_DE_PASSE_ENREGISTRÉ, QLatin1Char(' ')));
}

// A day or an hour longer than its box, written by hand in the file, stays whole.
void PanneauOptions::remplirJourEtHeure(const QString& jour, const QString& heure) {
    remplirSansCouper(*TX_Jour, jour, LONGUEUR_JOUR);
    remplirSansCouper(*TX_Heure, heure, LONGUEUR_HEURE);
}

void PanneauOptions::Compléter(Fiche_Mnémo& f) const {
    f.Alarme = CK_Alarme->isChecked();
    f.Avant_Plan = CK_Avant_Plan->isChecked();
    f.Beep = CK_Beep->isChecked();
    f.Fermé = RB_Fermé->isChecked();
    f.Heure = TX_Heure->text();
    f.Jour = TX_Jour->text();
    f.Message = TX_Alarme->text();
    f.Ouvert = RB_Ouvert->isChecked();
    f.PRG = PB_PRG->text();
    f.MdP = TX_MdP->text().trimmed();
}

bool PanneauOptions::avantPlan() const {
    return CK_Avant_Plan->isChecked();
}

bool PanneauOptions::alarmeActive() const {
    return CK_Alarme->isChecked();
}

Ligne_Alarme PanneauOptions::alarme() const {
    return {TX_Jour->text(), TX_Heure->text(), CK_Beep->isChecked(), TX_Alarme->text(), PB_PRG->text()};
}
