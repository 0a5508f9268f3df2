// Start-up and shut-down of the main window.
#include "FrmUtilitaires.h"

#include "memo/Mnemo.h"
#include "platform/core/ApplicationTitle.h"
#include "store/TablesCodage.h"

void FrmUtilitaires::Form_Load() {
    if (plateforme.anotherCopyRunning()) {
        plateforme.beep();
        plateforme.messageBox(*this, QStringLiteral("Cette application est déjà lancée !"),
                              MessageButtons::Ok, MessageIcon::Critical, titreApplication());
    }
    Init_Tables();
    contexte.Fermeture_En_Cours = false;
    Lecture_Menus();

    plateforme.tray().onMouse = [this](int message) { Souris_Barre(message); };
    const QIcon icône = windowIcon();
    const QString bulle = Bulle_Du_Jour();
    Icône_Barre(NIM_ADD, &icône, &bulle);

    hide();
    Lecture_Mnémos(false, false, true);

    Prochaine_Alarme();

    // Without a tray the hidden window would leave the user no way in.
    if (!plateforme.tray().isAvailable()) show();
}

void FrmUtilitaires::Fermeture_Mnémos() {
    for (int slot = 1; slot <= Nb_Fenêtres && slot < NB_FENÊTRES; ++slot) {
        if (Mnemo* fenêtre = Fenêtres_Mnémo[static_cast<std::size_t>(slot)]) fenêtre->close();
    }
}

void FrmUtilitaires::Form_Unload() {
    if (terminé_) return;
    terminé_ = true;
    contexte.Fermeture_En_Cours = true;
    Fermeture_Mnémos();
    Icône_Barre(NIM_DELETE);
    Timer1.arrêter();
    hide();
    terminer();
}
