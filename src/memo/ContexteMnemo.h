#pragma once

#include "dialogs/EchangeSaisie.h"
#include "platform/core/ProgramFolder.h"
#include "platform/widgets/CommonDialog.h"
#include "platform/widgets/Platform.h"
#include "store/TableAlarmes.h"

#include <functional>
#include <utility>

// The state the whole program shares, owned by the main window and handed to every memo window.
struct Contexte_Mnémo {
    Contexte_Mnémo(Platform& p, ProgramFolder d) : plateforme(p), dossier(std::move(d)), CommonDialog1(p) {}

    Platform& plateforme;
    const ProgramFolder dossier; // where the memo files and the launcher file are
    // The common dialog (file-open, colour, font) the main window and every memo window share: it keeps
    // what its last user left in it.
    Dialogue_Commun CommonDialog1;
    Table_Alarmes alarmes;
    Échange_Saisie saisie;
    qint16 Icône_Choisie = -1;
    bool Création_Mnémo = false;
    bool Fermeture_En_Cours = false;
    // The session or the process is ending: nobody can answer a box any more, so windows close without a
    // question, and a memo that could not be saved keeps its recovery copy.
    bool Fin_De_Session = false;

    // Re-arms the alarm timer after a save; set by the main window.
    std::function<void()> Prochaine_Alarme;
    // A memo name no file and no window uses yet; set by the main window.
    std::function<QString()> Nouveau_Nom_Mnémo;
};
