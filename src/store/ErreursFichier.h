#pragma once

#include "platform/ErreursPlateforme.h"

#include <QString>

class Platform;

// The outcome of writing a memo: error 0 when every file was written.
struct Résultat_Écriture {
    int erreur = 0;
    QString description;
    bool ok() const { return erreur == 0; }
};

Résultat_Écriture Erreur_Fichier(int numéro);
// The user's view of a failed system call.
Résultat_Écriture Erreur_Système(int valeurErrno);

// Shows a failed result in a critical box with an OK button; shows nothing for a success.
void Afficher_Erreur_Fichier(Platform& plateforme, const Résultat_Écriture& résultat);
