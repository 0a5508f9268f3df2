// Start-up removes what crashed saves left aside.
#include "FrmUtilitaires.h"

#include "store/RestesMnemo.h"

void FrmUtilitaires::Supprimer_Restes(bool verrouTenu) {
    // Without the lock another copy may be saving now, or may start its own clean-up: it is left to the copy
    // that holds it.
    if (!verrouTenu) return;
    Supprimer_Restes_Abandonnés(contexte.dossier.memoFolder(), plateforme.now());
}
