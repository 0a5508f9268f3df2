#include "ErreursFichier.h"

#include "platform/Platform.h"

#include <cerrno>

Résultat_Écriture Erreur_Fichier(int numéro) {
    switch (numéro) {
    case 0:
        return {};
    case ERREUR_NOM_FICHIER_INCORRECT:
        return {numéro, QStringLiteral("Nom ou numéro de fichier incorrect")};
    case ERREUR_DISQUE_PLEIN:
        return {numéro, QStringLiteral("Disque plein")};
    case ERREUR_ACCES_REFUSE:
        return {numéro, QStringLiteral("Erreur d'accès au chemin/fichier")};
    case ERREUR_CHEMIN_INTROUVABLE:
        return {numéro, QStringLiteral("Chemin d'accès introuvable")};
    default:
        return {ERREUR_ENTREE_SORTIE, QStringLiteral("Erreur d'entrée/sortie sur le périphérique")};
    }
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

void Afficher_Erreur_Fichier(Platform& plateforme, const Résultat_Écriture& résultat) {
    if (résultat.ok()) return;
    plateforme.messageBox(résultat.description, MessageButtons::Ok, MessageIcon::Critical,
                          QStringLiteral("erreur ") + QString::number(résultat.erreur));
}
