#pragma once

#include <QString>

// Platform errors as the user is shown them: a number and its French text.
inline constexpr int ERREUR_DEPASSEMENT_CAPACITE = 6;
inline constexpr int ERREUR_NOM_FICHIER_INCORRECT = 52;
inline constexpr int ERREUR_FICHIER_INTROUVABLE = 53;
inline constexpr int ERREUR_ENTREE_SORTIE = 57;
inline constexpr int ERREUR_DISQUE_PLEIN = 61;
inline constexpr int ERREUR_ACCES_REFUSE = 75;
inline constexpr int ERREUR_CHEMIN_INTROUVABLE = 76;
inline constexpr int ERREUR_IMPRIMANTE = 482;

// The number the user is shown for a failed system call's errno value; 0 for 0.
int Numéro_Erreur_Système(int valeurErrno);

// The text of one of the numbers above; any other number reads as an input/output error.
QString Description_Erreur(int numéro);
