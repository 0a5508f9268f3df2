// The end of the program when nobody can answer: a signal, or the end of the desktop session.
#include "FrmUtilitaires.h"

#include "memo/Mnemo.h"

void FrmUtilitaires::Fin_Sans_Question() {
    if (terminé_) return;
    contexte.Fin_De_Session = true;
    contexte.Fermeture_En_Cours = true;
    for (int slot = 1; slot <= Nb_Fenêtres && slot < NB_FENÊTRES; ++slot) {
        Mnemo* fenêtre = Fenêtres_Mnémo[static_cast<std::size_t>(slot)];
        if (!fenêtre || !fenêtre->Modifié) continue;
        QString pourquoi;
        if (fenêtre->Sauvegarder(false, &pourquoi)) continue;
        // The copy is written now: the last one may be a few seconds old.
        QString copieImpossible;
        if (fenêtre->Écrire_Récupération(&copieImpossible))
            qWarning("Pensoir : le Mnémo « %s » n'a pas été enregistré dans %s (%s) ; ses modifications sont "
                     "gardées dans %s et seront proposées au prochain démarrage.",
                     qUtf8Printable(fenêtre->Titre()), qUtf8Printable(fenêtre->Fichier_Fiche()),
                     qUtf8Printable(pourquoi), qUtf8Printable(fenêtre->Fichier_Récupération()));
        else
            qWarning("Pensoir : le Mnémo « %s » n'a pas été enregistré dans %s (%s), ni sa copie de secours "
                     "dans %s (%s).",
                     qUtf8Printable(fenêtre->Titre()), qUtf8Printable(fenêtre->Fichier_Fiche()),
                     qUtf8Printable(pourquoi), qUtf8Printable(fenêtre->Fichier_Récupération()),
                     qUtf8Printable(copieImpossible));
    }
    // Nothing asks now; the windows go, the tray icon is removed and the program ends.
    Fermeture_Mnémos();
    Terminer_Programme();
}
