#pragma once

#include "platform/core/ErreursPlateforme.h"

#include <QString>

// The outcome of writing or deleting a memo's files: error 0 when it was done. The caller shows a failure
// to the user.
struct Résultat_Écriture {
    int erreur = 0;
    QString description;
    bool ok() const { return erreur == 0; }
};

Résultat_Écriture Erreur_Fichier(int numéro);
// The user's view of a failed system call.
Résultat_Écriture Erreur_Système(int valeurErrno);
