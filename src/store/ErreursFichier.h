#pragma once

#include "platform/StartResult.h"

#include <QString>

class Platform;

// File errors as the user is shown them: a number and its French text, in the box captioned "erreur "
// followed by the number.
inline constexpr int ERREUR_NOM_FICHIER_INCORRECT = 52;
inline constexpr int ERREUR_ENTREE_SORTIE = 57;
inline constexpr int ERREUR_DISQUE_PLEIN = 61;

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
