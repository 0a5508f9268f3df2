#include "ErreursFichier.h"

Résultat_Écriture Erreur_Fichier(int numéro) {
    switch (numéro) {
    case 0:
        return {};
    case ERREUR_DEPASSEMENT_CAPACITE:
    case ERREUR_NOM_FICHIER_INCORRECT:
    case ERREUR_FICHIER_INTROUVABLE:
    case ERREUR_DISQUE_PLEIN:
    case ERREUR_ACCES_REFUSE:
    case ERREUR_CHEMIN_INTROUVABLE:
        return {numéro, Description_Erreur(numéro)};
    default:
        return {ERREUR_ENTREE_SORTIE, Description_Erreur(ERREUR_ENTREE_SORTIE)};
    }
}

Résultat_Écriture Erreur_Trop_Grand(const QString& quoi, qint64 limite) {
    constexpr qint64 MÉGAOCTET = 1024 * 1024;
    return {ERREUR_DEPASSEMENT_CAPACITE,
            Description_Erreur(ERREUR_DEPASSEMENT_CAPACITE) + QStringLiteral(" : ") + quoi +
                QStringLiteral(" dépasserait la taille limite de %1 Mo (%2 octets). Rien n'a été enregistré.")
                    .arg(limite / MÉGAOCTET)
                    .arg(limite)};
}

Résultat_Écriture Erreur_Système(int valeurErrno) {
    return Erreur_Fichier(Numéro_Erreur_Système(valeurErrno));
}
