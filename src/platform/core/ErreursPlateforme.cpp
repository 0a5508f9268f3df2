#include "ErreursPlateforme.h"

#include <cerrno>

QString Description_Erreur(int numéro) {
    switch (numéro) {
    case ERREUR_DEPASSEMENT_CAPACITE:
        return QStringLiteral("Dépassement de capacité");
    case ERREUR_NOM_FICHIER_INCORRECT:
        return QStringLiteral("Nom ou numéro de fichier incorrect");
    case ERREUR_FICHIER_INTROUVABLE:
        return QStringLiteral("Fichier introuvable");
    case ERREUR_DISQUE_PLEIN:
        return QStringLiteral("Disque plein");
    case ERREUR_ACCES_REFUSE:
        return QStringLiteral("Erreur d'accès au chemin/fichier");
    case ERREUR_CHEMIN_INTROUVABLE:
        return QStringLiteral("Chemin d'accès introuvable");
    case ERREUR_IMPRIMANTE:
        return QStringLiteral("Erreur d'imprimante");
    default:
        return QStringLiteral("Erreur d'entrée/sortie sur le périphérique");
    }
}

int Numéro_Erreur_Système(int valeurErrno) {
    switch (valeurErrno) {
    case 0:
        return 0;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ERREUR_DISQUE_PLEIN;
    case ENOENT:
    case ENOTDIR:
        return ERREUR_CHEMIN_INTROUVABLE;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
    case EBUSY:
    case ETXTBSY:
        return ERREUR_ACCES_REFUSE;
    case ENAMETOOLONG:
        return ERREUR_NOM_FICHIER_INCORRECT;
    default:
        return ERREUR_ENTREE_SORTIE;
    }
}
