#pragma once

#include <QString>

// Outcome of starting a program: error 0 when it started, else the number and French text the user is shown.
struct StartResult {
    int error = 0;
    QString description;
    bool ok() const { return error == 0; }
};

inline constexpr int ERREUR_FICHIER_INTROUVABLE = 53;
inline constexpr int ERREUR_ACCES_REFUSE = 75;
inline constexpr int ERREUR_CHEMIN_INTROUVABLE = 76;
