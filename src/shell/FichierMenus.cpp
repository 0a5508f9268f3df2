#include "FichierMenus.h"

#include "store/DiskFiles.h"

#include <QDir>
#include <QFile>
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
    QFile fichier(Fichier_Menus(dossierMenus));
    // Opening a pipe left under the file's name would wait for a reader forever.
    if (fichier.exists() && !QFileInfo(fichier).isFile()) return false;
    if (!fichier.open(QIODevice::Append)) {
        // Only a missing folder is worth one more try.
        if (QDir(dossierMenus).exists() || !QDir().mkpath(dossierMenus)) return false;
        if (!fichier.open(QIODevice::Append)) return false;
    }
    const QByteArray enregistrement = Enregistrement_Option(légende, ligneCommande);
    return fichier.write(enregistrement) == enregistrement.size();
}
