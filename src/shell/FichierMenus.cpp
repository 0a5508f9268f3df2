#include "FichierMenus.h"

#include "store/DiskFiles.h"

#include <QFileInfo>

QString Fichier_Menus(const QString& dossierMenus) {
    return dossierMenus + QStringLiteral("/MenuOptions.txt");
}

QList<Option_Lanceur> Lire_Fichier_Menus(const QString& dossierMenus) {
    QByteArray octets;
    if (!readFileStart(Fichier_Menus(dossierMenus), TAILLE_MAX_FICHIER_MENUS, octets)) return {};
    return Options_Lanceur(octets);
}

bool Ajouter_Au_Fichier_Menus(const QString& dossierMenus, const QString& légende,
                              const QString& ligneCommande) {
    const QByteArray enregistrement = Enregistrement_Option(légende, ligneCommande);
    if (appendToPrivateFile(Fichier_Menus(dossierMenus), enregistrement) == 0) return true;
    // Only a missing folder is worth one more try.
    if (QFileInfo::exists(dossierMenus) || makePrivateFolder(dossierMenus) != 0) return false;
    return appendToPrivateFile(Fichier_Menus(dossierMenus), enregistrement) == 0;
}
