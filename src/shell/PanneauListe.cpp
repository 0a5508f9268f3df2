#include "PanneauListe.h"

#include "FrmUtilitaires.h"

#include "platform/widgets/VbColour.h"
#include "platform/widgets/WidgetGeometry.h"

#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
constexpr std::uint32_t ORANGE_CLAIR = 0x0080C0FF;
constexpr std::uint32_t ORANGE = 0x000080FF;
constexpr double TAILLE_POLICE = 8.25;
constexpr int DONNÉE_OUVERT = Qt::UserRole;
constexpr int VRAI = -1; // the item data of a memo marked always open

// Every line comes selected. The lines selected in a row make one range of the selection rather than one
// each: the selection model goes through all its ranges at each change and each look, which made the list
// of a thousand memos take seconds to fill and read.
void sélectionner(QListWidget& liste, int index) {
    QItemSelectionModel* sélection = liste.selectionModel();
    const QItemSelection avant = sélection->selection();
    const bool suiteDeSélectionnées =
        index > 0 && avant.size() == 1 && avant.first().top() == 0 && avant.first().bottom() == index - 1;
    if (suiteDeSélectionnées)
        sélection->select(QItemSelection(liste.model()->index(0, 0), liste.model()->index(index, 0)),
                          QItemSelectionModel::ClearAndSelect);
    else
        liste.item(index)->setSelected(true);
}

} // namespace

PanneauListe::PanneauListe(FrmUtilitaires& fenêtre) : QFrame(&fenêtre), fenêtre_(fenêtre) {
    setObjectName(QStringLiteral("FR_Liste"));
    placerEnTwips(*this, 0, 0, 5205, 3135);
    colorerFond(*this, vbColour(ORANGE_CLAIR));

    LB_Liste = new QListWidget(this);
    LB_Liste->setObjectName(QStringLiteral("LB_Liste"));
    LB_Liste->setToolTip(QStringLiteral("Sélectionner les Mnémos à ouvrir"));
    LB_Liste->setSelectionMode(QAbstractItemView::MultiSelection);
    // The lines are columns of fixed width.
    QFont police(QStringLiteral("Courier New"));
    police.setStyleHint(QFont::TypeWriter);
    police.setFixedPitch(true);
    police.setPointSizeF(TAILLE_POLICE);
    LB_Liste->setFont(police);
    QPalette palette = LB_Liste->palette();
    palette.setColor(QPalette::Base, vbColour(ORANGE_PÂLE));
    LB_Liste->setPalette(palette);
    placerEnTwips(*LB_Liste, 30, 180, 5140, 2220);
    connect(LB_Liste, &QListWidget::itemSelectionChanged, this, &PanneauListe::LB_Liste_Click);

    LB_Nb_Fichiers = new QLabel(this);
    LB_Nb_Fichiers->setObjectName(QStringLiteral("LB_Nb_Fichiers"));
    placerEnTwips(*LB_Nb_Fichiers, 60, 2430, 1755, 195);

    struct Bouton {
        QPushButton* PanneauListe::*membre;
        const char* nom;
        QString légende;
        int gauche, largeur;
        void (PanneauListe::*action)();
    };
    const Bouton boutons[] = {
        {&PanneauListe::PB_Ouvrir, "PB_Ouvrir", QStringLiteral("Ouvrir"), 60, 1815,
         &PanneauListe::PB_Ouvrir_Click},
        {&PanneauListe::PB_Tous, "PB_Tous", QStringLiteral("Tous"), 2010, 1035, &PanneauListe::PB_Tous_Click},
        {&PanneauListe::PB_A_Ouvrir, "PB_A_Ouvrir", QStringLiteral("A ouvrir"), 3060, 1035,
         &PanneauListe::PB_A_Ouvrir_Click},
        {&PanneauListe::PB_Aucun, "PB_Aucun", QStringLiteral("Aucun"), 4110, 1035,
         &PanneauListe::PB_Aucun_Click},
    };
    constexpr int HAUT_BOUTONS = 2670, HAUTEUR_BOUTONS = 375;
    for (const Bouton& b : boutons) {
        auto* bouton = new QPushButton(b.légende, this);
        bouton->setObjectName(QString::fromLatin1(b.nom));
        colorerFond(*bouton, vbColour(ORANGE));
        placerEnTwips(*bouton, b.gauche, HAUT_BOUTONS, b.largeur, HAUTEUR_BOUTONS);
        connect(bouton, &QPushButton::clicked, this, b.action);
        this->*b.membre = bouton;
    }

    LB_Fichiers = new QListWidget(this);
    LB_Fichiers->setObjectName(QStringLiteral("LB_Fichiers"));
    LB_Fichiers->hide();

    hide();
}

void PanneauListe::vider() {
    const QSignalBlocker bloqueur(LB_Liste);
    LB_Liste->clear();
    LB_Fichiers->clear();
}

int PanneauListe::ajouter(const QString& texteLigne, bool ouvert, const QString& nomMémo) {
    const QSignalBlocker bloqueur(LB_Liste);
    auto* ligne = new QListWidgetItem(texteLigne);
    ligne->setData(DONNÉE_OUVERT, ouvert ? VRAI : 0);
    LB_Liste->addItem(ligne);
    const int index = LB_Liste->row(ligne);
    sélectionner(*LB_Liste, index);
    LB_Fichiers->insertItem(index, nomMémo);
    return index;
}

void PanneauListe::compterFichiers() {
    LB_Nb_Fichiers->setText(Texte_Nombre(LB_Fichiers->count()));
}

void PanneauListe::afficher() {
    show();
    raise();
    fenêtre_.Fixer_Largeur(FrmUtilitaires::LARGEUR_LISTE);
    premièreLigneCourante();
    fenêtre_.show();
    fenêtre_.raise();
    fenêtre_.activateWindow();
}

int PanneauListe::nombre() const {
    return LB_Liste->count();
}

bool PanneauListe::estSélectionné(int ligne) const {
    const QListWidgetItem* item = LB_Liste->item(ligne);
    return item && item->isSelected();
}

bool PanneauListe::estOuvert(int ligne) const {
    const QListWidgetItem* item = LB_Liste->item(ligne);
    return item && item->data(DONNÉE_OUVERT).toInt() != 0;
}

QString PanneauListe::nomMémo(int ligne) const {
    const QListWidgetItem* item = LB_Fichiers->item(ligne);
    return item ? item->text() : QString();
}

QStringList PanneauListe::File1() const {
    return QDir(fenêtre_.contexte.dossier.memoFolder())
        .entryList({QStringLiteral("*.PSL")}, QDir::Files | QDir::CaseSensitive,
                   QDir::Name | QDir::IgnoreCase);
}

QString PanneauListe::Texte_Nombre(int nombre) {
    if (nombre == 0) return {};
    return QLatin1Char(' ') + QString::number(nombre) + QStringLiteral(" fichier(s)");
}

int PanneauListe::compterSélection() const {
    int compte = 0;
    for (int i = 0; i < LB_Liste->count(); ++i)
        if (LB_Liste->item(i)->isSelected()) ++compte;
    return compte;
}

void PanneauListe::premièreLigneCourante() {
    // Moving the current line must leave the choice as it is.
    if (LB_Liste->currentRow() > 0) LB_Liste->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

void PanneauListe::LB_Liste_Click() {
    LB_Nb_Fichiers->setText(Texte_Nombre(compterSélection()));
}

void PanneauListe::PB_Tous_Click() {
    {
        const QSignalBlocker bloqueur(LB_Liste);
        LB_Liste->selectAll();
    }
    premièreLigneCourante();
    LB_Nb_Fichiers->setText(Texte_Nombre(LB_Fichiers->count()));
}

void PanneauListe::PB_Aucun_Click() {
    {
        const QSignalBlocker bloqueur(LB_Liste);
        LB_Liste->clearSelection();
    }
    premièreLigneCourante();
    LB_Nb_Fichiers->clear();
}

void PanneauListe::PB_A_Ouvrir_Click() {
    {
        const QSignalBlocker bloqueur(LB_Liste);
        for (int i = 0; i < LB_Liste->count(); ++i)
            LB_Liste->item(i)->setSelected(estOuvert(i));
    }
    premièreLigneCourante();
    LB_Nb_Fichiers->setText(Texte_Nombre(compterSélection()));
}

void PanneauListe::PB_Ouvrir_Click() {
    hide();
    fenêtre_.Fixer_Largeur(FrmUtilitaires::LARGEUR_BOUTONS);
    fenêtre_.hide();
    fenêtre_.Lecture_Mnémos(true, false, false);
}
