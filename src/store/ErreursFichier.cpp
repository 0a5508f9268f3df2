#include "ErreursFichier.h"

#include <cerrno>

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
    switch (valeurErrno) {
    case 0:
        return {};
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Erreur_Fichier(ERREUR_DISQUE_PLEIN);
    case ENOENT:
    case ENOTDIR:
        return Erreur_Fichier(ERREUR_CHEMIN_INTROUVABLE);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
    case EBUSY:
    case ETXTBSY:
        return Erreur_Fichier(ERREUR_ACCES_REFUSE);
    case ENAMETOOLONG:
        return Erreur_Fichier(ERREUR_NOM_FICHIER_INCORRECT);
    default:
        return Erreur_Fichier(ERREUR_ENTREE_SORTIE);
    }
}
