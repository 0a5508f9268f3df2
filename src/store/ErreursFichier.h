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
// A file that would pass its size limit (FichiersMnemo.h): quoi names it for the user ("le fichier de ce
// Mnémo"), and the text names the limit.
Résultat_Écriture Erreur_Trop_Grand(const QString& quoi, qint64 limite);
// The user's view of a failed system call.
Résultat_Écriture Erreur_Système(int valeurErrno);
