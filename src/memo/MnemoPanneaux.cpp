// The three panels of the memo window (text, picture, options), the colour palette and the colour and
// font dialogs.
#include "Mnemo.h"

#include "DispositionMnemo.h"
#include "EcranVisible.h"
#include "PanneauImage.h"
#include "PanneauOptions.h"
#include "PetitsControles.h"

#include "platform/widgets/CommonDialog.h"
#include "platform/widgets/PoliceClassique.h"
#include "platform/widgets/Twips.h"
#include "platform/widgets/WidgetGeometry.h"

#include <QAction>
#include <QButtonGroup>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>

namespace {
constexpr int HAUTEUR_OPTIONS = 6000; // twips, the window in the options panel
constexpr int LARGEUR_OPTIONS = 4695;
const QString TITRE_COULEUR = QStringLiteral("Sélectionner la couleur");
const QString TITRE_POLICE = QStringLiteral("Sélectionner la police de caractères");
} // namespace

void Mnemo::Créer_Panneaux() {
    FR_Image = new PanneauImage(zoneClient);
    FR_Options = new PanneauOptions(contexte, Modifié, zoneClient);
    FR_Options->avantPlanChangé = [this](bool) { CK_Avant_Plan_Click(); };
    FR_Options->couleurDemandée = [this] { PB_Couleur_Click(); };
    FR_Options->policeDemandée = [this] { PB_Police_Click(); };

    // One group: a button's handler runs when it becomes selected, by the user or by the program.
    boutonsPanneaux_ = new QButtonGroup(this);
    for (QRadioButton* bouton : {Option1, Option2, Option3})
        boutonsPanneaux_->addButton(bouton);
    connect(Option1, &QRadioButton::toggled, this, [this](bool choisi) {
        if (choisi) Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool choisi) {
        if (choisi) Option2_Click();
    });
    connect(Option3, &QRadioButton::toggled, this, [this](bool choisi) {
        if (choisi) Option3_Click();
    });
}

void Mnemo::placerPanneauImage() {
    const int haut = twipsToPixels(HAUT_PANNEAUX);
    FR_Image->setGeometry(0, haut, zoneClient->width(), std::max(0, zoneClient->height() - haut));
}

void Mnemo::Mnu_Options_Click() {
    (Mnu_Options->isChecked() ? Option1 : Option3)->setChecked(true);
}

void Mnemo::garderGéométrieTexte() {
    if (panneau_ != Panneau::Texte) return;
    Haut_Texte = Top();
    Hauteur_Texte = Height();
    Largeur_Texte = Width();
}

void Mnemo::montrerTexte() {
    Mnu_Options->setChecked(false);
    FR_Mnémo->show();
    FR_Options->hide();
    FR_Image->hide();
    if (panneau_ != Panneau::Texte) {
        setTop(Haut_Texte);
        setHeight(Hauteur_Texte);
        setWidth(Largeur_Texte);
    }
    panneau_ = Panneau::Texte;
}

void Mnemo::Option1_Click() {
    montrerTexte();
    PT_Appel_Menu->setFocus();
}

// The window takes the picture's size plus the panel's place in it, but never more than the screen's
// available area, where the picture then scrolls; it stays inside that area.
void Mnemo::Option2_Click() {
    garderGéométrieTexte();
    const QSize cadre = size() - zoneClient->size(); // the window's edges and caption bar
    const QRect zone = contexte.plateforme.availableArea(*this);
    QSize voulue = FR_Image->placeNécessaire() + QSize(0, twipsToPixels(HAUT_PANNEAUX)) + cadre;
    // A picture that does not fit one way scrolls that way: the other way makes room for the scroll bar.
    const int barre = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (voulue.height() > zone.height()) voulue.rwidth() += barre;
    if (voulue.width() > zone.width()) voulue.rheight() += barre;
    voulue = voulue.boundedTo(zone.size());
    resize(voulue);
    setGeometry(Garder_Sur_Écran(geometry(), zone, true));
    FR_Image->show();
    FR_Image->raise();
    Mnu_Options->setChecked(false);
    FR_Options->hide();
    panneau_ = Panneau::Image;
    PT_Appel_Menu->setFocus();
}

void Mnemo::Option3_Click() {
    garderGéométrieTexte();
    setHeight(HAUTEUR_OPTIONS);
    setWidth(LARGEUR_OPTIONS);
    setGeometry(Garder_Sur_Écran(geometry(), contexte.plateforme.availableArea(*this), false));
    Mnu_Options->setChecked(true);
    FR_Options->show();
    FR_Image->hide();
    FR_Options->raise();
    panneau_ = Panneau::Options;
    // Opening the options panel counts as a change of the memo.
    Modifié = true;
    PT_Appel_Menu->setFocus();
}

// Saving from the options panel shows the text again at its place but leaves the panel buttons alone:
// "&Options" stays selected.
void Mnemo::quitterOptionsPourSauvegarder() {
    if (panneau_ == Panneau::Options) montrerTexte();
}

void Mnemo::PT_Couleurs_Click(int index) {
    for (int i = 0; i < PT_Couleurs.size(); ++i) {
        CelluleCouleur* cellule = PT_Couleurs[i];
        if (i != index) {
            cellule->setBordure(true);
        } else if (cellule->aUneBordure()) {
            cellule->setBordure(false);
            colorerFond(*this, cellule->couleur());
            Colorier();
        } else {
            cellule->setBordure(true);
        }
    }
}

// The shared dialog opens on the colour chosen last with it, by any memo; a cancelled box changes nothing.
void Mnemo::PB_Couleur_Click() {
    Dialogue_Commun& dialogue = contexte.CommonDialog1;
    dialogue.DialogTitle = TITRE_COULEUR;
    if (!dialogue.ShowColor(*this)) return;
    colorerFond(*this, dialogue.Color);
    Colorier();
}

// The box opens on the text's font as it shows; only the text takes the font chosen, the title keeps its
// own.
void Mnemo::PB_Police_Click() {
    Dialogue_Commun& dialogue = contexte.CommonDialog1;
    dialogue.DialogTitle = TITRE_POLICE;
    const QFont actuelle = TX_Mnémo->font();
    dialogue.FontName = QFontInfo(actuelle).family();
    dialogue.FontSize = actuelle.pointSizeF();
    dialogue.FontBold = actuelle.bold();
    dialogue.FontItalic = actuelle.italic();
    dialogue.FontStrikethru = actuelle.strikeOut();
    dialogue.FontUnderline = actuelle.underline();
    if (!dialogue.ShowFont(*this)) return;
    QFont police = actuelle;
    police.setFamilies(famillesClassiques(dialogue.FontName));
    police.setPointSizeF(dialogue.FontSize);
    police.setBold(dialogue.FontBold);
    police.setItalic(dialogue.FontItalic);
    police.setStrikeOut(dialogue.FontStrikethru);
    police.setUnderline(dialogue.FontUnderline);
    TX_Mnémo->setFont(police);
    Modifié = true;
}
