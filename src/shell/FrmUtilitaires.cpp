#include "FrmUtilitaires.h"

#include "IconeProgramme.h"

#include "platform/widgets/Twips.h"
#include "platform/widgets/VbColour.h"
#include "platform/widgets/WidgetGeometry.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>

FrmUtilitaires::FrmUtilitaires(Platform& p, const ProgramFolder& dossier, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), plateforme(p),
      contexte(p, dossier), CommonDialog1(contexte.CommonDialog1), Timer1(p, contexte.alarmes) {
    setObjectName(QStringLiteral("FrmUtilitaires"));
    setWindowTitle(QStringLiteral("      Pensoir"));
    setWindowIcon(Icône_Programme());
    colorerFond(*this, vbColour(VERT_PÂLE));
    Fixer_Largeur(LARGEUR_BOUTONS);

    Timer1.sonner = [this](const Ligne_Alarme& alarme) { Sonner_Alarme(alarme); };
    Timer1.nouveauJour = [this] {
        const QString bulle = Bulle_Du_Jour();
        Icône_Barre(NIM_MODIFY, nullptr, &bulle);
    };
    contexte.Prochaine_Alarme = [this] { Prochaine_Alarme(); };
    contexte.Nouveau_Nom_Mnémo = [this] { return Nouveau_Nom_Mnémo(); };
    terminer = [] { QCoreApplication::exit(0); };

    Créer_Boutons();
    Créer_Liste();
    Créer_Menu();
}

FrmUtilitaires::~FrmUtilitaires() = default;

void FrmUtilitaires::Fixer_Largeur(int twips) {
    setFixedSize(twipsToPixels(twips - BORDURE), twipsToPixels(HAUTEUR_CLIENT));
}

int FrmUtilitaires::Largeur() const {
    return pixelsToTwips(width()) + BORDURE;
}

void FrmUtilitaires::Créer_Liste() {
    // The memo list panel lies over the button column while it is shown.
    FR_Liste = new PanneauListe(*this);
}

void FrmUtilitaires::closeEvent(QCloseEvent* event) {
    // Closing the main window by any means ends the program, unless a memo could not be saved.
    if (!terminé_) Form_Unload();
    if (terminé_)
        event->accept();
    else
        event->ignore();
}
