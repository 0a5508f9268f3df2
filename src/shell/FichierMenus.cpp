#include "FichierMenus.h"

#include <QDir>
#include <QFile>

QString Fichier_Menus(const QString& dossierMenus) {
    return dossierMenus + QStringLiteral("/MenuOptions.txt");
}

QList<Option_Lanceur> Lire_Fichier_Menus(const QString& dossierMenus) {
    QFile fichier(Fichier_Menus(dossierMenus));
    if (!fichier.open(QIODevice::ReadOnly)) return {};
    return Options_Lanceur(fichier.read(TAILLE_MAX_FICHIER_MENUS));
}

bool Ajouter_Au_Fichier_Menus(const QString& dossierMenus, const QString& légende,
                              const QString& ligneCommande) {
    QFile fichier(Fichier_Menus(dossierMenus));
    if (!fichier.open(QIODevice::Append)) {
        // Only a missing folder is worth one more try.
        if (QDir(dossierMenus).exists() || !QDir().mkpath(dossierMenus)) return false;
        if (!fichier.open(QIODevice::Append)) return false;
    }
    const QByteArray enregistrement = Enregistrement_Option(légende, ligneCommande);
    return fichier.write(enregistrement) == enregistrement.size();
}
