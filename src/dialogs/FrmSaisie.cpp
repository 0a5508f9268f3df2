#include "FrmSaisie.h"

#include "platform/widgets/Platform.h"
#include "platform/widgets/PoliceClassique.h"
#include "platform/widgets/VbColour.h"
#include "platform/widgets/WidgetGeometry.h"
#include "platform/widgets/ZoneLimitee.h"
#include "store/ChampsAlarme.h"
#include "store/TableAlarmes.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr std::uint32_t ROUGE_PÂLE = 0x00C0C0FF;
constexpr QSize CLIENT_TWIPS(6630, 4230);

constexpr int LONGUEUR_JOUR = 10;
constexpr int LONGUEUR_HEURE = 5;
constexpr int LONGUEUR_MOT_DE_PASSE = 8;

const QString TOOLTIP_BOUTONS = QStringLiteral("Pour choisir un jour précis");

QFont policeDesControles(bool gras = false) {
    return policeClassique(8.25, gras);
}

QLabel* étiquette(QWidget* parent, const char* nom, const QString& texte, QRect twips) {
    auto* label = new QLabel(texte, parent);
    label->setObjectName(QLatin1String(nom));
    label->setFont(policeDesControles()); // not the bold caption of the password frame
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placerEnTwips(*label, twips.x(), twips.y(), twips.width(), twips.height());
    agrandirÀSonTexte(*label);
    return label;
}

QLineEdit* zoneDeTexte(QWidget* parent, const char* nom, const QString& tooltip, QRect twips) {
    auto* zone = new QLineEdit(parent);
    zone->setObjectName(QLatin1String(nom));
    zone->setFont(policeDesControles());
    zone->setToolTip(tooltip);
    placerEnTwips(*zone, twips.x(), twips.y(), twips.width(), twips.height());
    return zone;
}

// A panel starts hidden: the caller shows the one it wants.
QGroupBox* cadre(QWidget* parent, const char* nom, QRect twips) {
    auto* groupe = new QGroupBox(parent);
    groupe->setObjectName(QLatin1String(nom));
    placerEnTwips(*groupe, twips.x(), twips.y(), twips.width(), twips.height());
    groupe->hide();
    return groupe;
}

} // namespace

FrmSaisie::FrmSaisie(Platform& plateforme, Échange_Saisie& échange, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), plateforme_(plateforme),
      échange_(échange) {
    setObjectName(QStringLiteral("FrmSaisie"));
    setWindowTitle(QStringLiteral("Saisie"));
    setFont(policeDesControles());
    colorerFond(*this, vbColour(ORANGE_PÂLE));
    resize(twipsToPixels(CLIENT_TWIPS));

    créerPanneauDate();
    créerPanneauMotDePasse();
    créerBoutons();

    setTabOrder(TX_MdP, TX_Message);
    setTabOrder(TX_Message, TX_Heure);
    setTabOrder(TX_Heure, TX_Jour);
    setTabOrder(TX_Jour, Calendar1);
    setTabOrder(Calendar1, PB_Valider);
    setTabOrder(PB_Valider, PB_Annuler);

    suiviDuFocus_ = connect(qApp, &QApplication::focusChanged, this,
                            [this](QWidget*, QWidget* nouveau) { focusChanged(nouveau); });

    Form_Load();
}

// The boxes let go of the focus while they are destroyed: this dialog must not hear of it by then.
FrmSaisie::~FrmSaisie() {
    disconnect(suiviDuFocus_);
}

void FrmSaisie::créerPanneauDate() {
    FR_Date_Heure_Message = cadre(this, "FR_Date_Heure_Message", QRect(30, 30, 6615, 3795));
    QWidget* panneau = FR_Date_Heure_Message;

    Label1 = étiquette(panneau, "Label1", QStringLiteral("Message"), QRect(120, 180, 645, 195));
    TX_Message = zoneDeTexte(panneau, "TX_Message", QStringLiteral("Texte affiché par l'alarme"),
                             QRect(900, 150, 5520, 345));

    LB_Jour = étiquette(panneau, "LB_Jour", QStringLiteral("Date"), QRect(150, 540, 345, 195));
    TX_Jour =
        zoneDeTexte(panneau, "TX_Jour", QStringLiteral("Date de déclenchement ( tous les jours si vide )"),
                    QRect(900, 510, 1400, 315));
    TX_Jour->setAlignment(Qt::AlignCenter);
    TX_Jour->setMaxLength(LONGUEUR_JOUR);
    TX_Jour->setText(JOUR_TOUS_LES_JOURS);

    Label3 = étiquette(panneau, "Label3", QStringLiteral("Heure"), QRect(4410, 570, 435, 195));
    TX_Heure = zoneDeTexte(panneau, "TX_Heure", QStringLiteral("Heure de déclenchement"),
                           QRect(5010, 510, 1400, 315));
    TX_Heure->setAlignment(Qt::AlignCenter);
    TX_Heure->setMaxLength(LONGUEUR_HEURE);
    TX_Heure->setText(HEURE_VIDE);

    Calendar1 = new QCalendarWidget(panneau);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setToolTip(QStringLiteral("Double-clic pour conserver cette date"));
    Calendar1->setLocale(QLocale(QLocale::French, QLocale::France));
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    placerEnTwips(*Calendar1, 150, 900, 6285, 2805);
    // A double click or Enter on a day keeps it.
    connect(Calendar1, &QCalendarWidget::activated, this, &FrmSaisie::Calendar1_DblClick);
}

void FrmSaisie::créerPanneauMotDePasse() {
    FR_MdP = cadre(this, "FR_MdP", QRect(0, 0, 6615, 3795));
    FR_MdP->setFont(policeDesControles(true));

    LB_MdP = étiquette(FR_MdP, "LB_MdP", QStringLiteral("Mot de passe"), QRect(120, 300, 960, 195));
    TX_MdP = zoneDeTexte(
        FR_MdP, "TX_MdP",
        QStringLiteral("Mot de passe à saisir lors de l'ouverture de ce Mnémo ( 8 caractères maximum )"),
        QRect(1170, 270, 1065, 315));
    TX_MdP->setEchoMode(QLineEdit::Password);
    TX_MdP->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // '*'
    TX_MdP->setMaxLength(LONGUEUR_MOT_DE_PASSE);
}

void FrmSaisie::créerBoutons() {
    PB_Valider = new QPushButton(QStringLiteral("Valider"), this);
    PB_Valider->setObjectName(QStringLiteral("PB_Valider"));
    PB_Valider->setToolTip(TOOLTIP_BOUTONS);
    PB_Valider->setDefault(true);
    colorerFond(*PB_Valider, vbColour(VERT_PÂLE));
    placerEnTwips(*PB_Valider, 30, 3870, 1800, 345);
    connect(PB_Valider, &QPushButton::clicked, this, &FrmSaisie::PB_Valider_Click);

    PB_Annuler = new QPushButton(QStringLiteral("Annuler"), this);
    PB_Annuler->setObjectName(QStringLiteral("PB_Annuler"));
    PB_Annuler->setToolTip(TOOLTIP_BOUTONS);
    colorerFond(*PB_Annuler, vbColour(ROUGE_PÂLE));
    placerEnTwips(*PB_Annuler, 4800, 3870, 1800, 345);
    connect(PB_Annuler, &QPushButton::clicked, this, &FrmSaisie::PB_Annuler_Click);
}

void FrmSaisie::Form_Load() {
    // The day may come with a time after it: only the leading date counts.
    Calendar1->setSelectedDate(Lire_Jour_En_Tête(échange_.Saisie_Jour).value_or(plateforme_.now().date()));
    remplirSansCouper(*TX_Jour, échange_.Saisie_Jour, LONGUEUR_JOUR);
    remplirSansCouper(*TX_Heure, échange_.Saisie_Heure, LONGUEUR_HEURE);
    remplirSansCouper(*TX_Message, échange_.Saisie_Message, LONGUEUR_ZONE_QT);
    TX_MdP->setText(échange_.MdP_Saisi);
}

void FrmSaisie::focusChanged(QWidget* nouveau) {
    if (nouveau == TX_Heure) {
        heureÀContrôler_ = true;
        return;
    }
    // The focus leaving the window (a message box, another program, the dialog closing) is not leaving
    // the box; the two buttons decide for themselves.
    if (!heureÀContrôler_ || !nouveau || !isAncestorOf(nouveau)) return;
    if (nouveau == PB_Valider || nouveau == PB_Annuler) return;
    heureÀContrôler_ = false;
    // After the click or key that moved the focus has been handled, not in the middle of it.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) TX_Heure_LostFocus();
    });
}

bool FrmSaisie::TX_Heure_LostFocus() {
    const QString t = TX_Heure->text();
    if (t.size() == 5) {
        TX_Heure->setText(t.left(2) + QLatin1Char(':') + t.mid(3, 2));
        return true;
    }
    if (t.size() == 4) {
        TX_Heure->setText(QLatin1Char('0') + t.left(1) + QLatin1Char(':') + t.mid(2, 2));
        return true;
    }
    plateforme_.beep();
    plateforme_.messageBox(*this, QStringLiteral("Format de l'heure : HH:MM"), MessageButtons::Ok,
                           MessageIcon::Exclamation, QStringLiteral("Erreur de saisie"));
    TX_Heure->clear();
    return false;
}

void FrmSaisie::Calendar1_DblClick(const QDate& jour) {
    échange_.Saisie_Jour = jour.toString(FORMAT_JOUR);
    TX_Jour->setText(échange_.Saisie_Jour);
}

void FrmSaisie::PB_Valider_Click() {
    const bool panneauDate = FR_Date_Heure_Message->isVisibleTo(this);
    if (panneauDate && heureÀContrôler_) {
        heureÀContrôler_ = false;
        if (!TX_Heure_LostFocus()) {
            // Refused: the user types the hour again rather than validating an empty one unawares.
            TX_Heure->setFocus(Qt::OtherFocusReason);
            heureÀContrôler_ = true;
            return;
        }
    }
    if (panneauDate) {
        échange_.Saisie_Jour = TX_Jour->text();
        échange_.Saisie_Heure = TX_Heure->text();
        échange_.Saisie_Message = TX_Message->text();
    }
    if (FR_MdP->isVisibleTo(this)) échange_.MdP_Saisi = TX_MdP->text();
    échange_.Saisie_Validée = true;
    accept();
}

void FrmSaisie::PB_Annuler_Click() {
    échange_.Saisie_Validée = false;
    reject();
}

void FrmSaisie::keyPressEvent(QKeyEvent* event) {
    // Escape is Annuler, whereas the close box leaves the flag alone.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        PB_Annuler->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
