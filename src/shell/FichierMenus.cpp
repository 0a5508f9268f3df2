#include "FichierMenus.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>

QString Fichier_Menus() {
    return launcherFolder() + QStringLiteral("/MenuOptions.txt");
}

QList<Option_Lanceur> Lire_Fichier_Menus() {
    QFile fichier(Fichier_Menus());
    if (!fichier.open(QIODevice::ReadOnly)) return {};
    return Options_Lanceur(fichier.read(TAILLE_MAX_FICHIER_MENUS));
}

bool Ajouter_Au_Fichier_Menus(const QString& légende, const QString& ligneCommande) {
    QFile fichier(Fichier_Menus());
    if (!fichier.open(QIODevice::Append)) {
        // Only a missing folder is worth one more try.
        if (QDir(launcherFolder()).exists() || !QDir().mkpath(launcherFolder())) return false;
        if (!fichier.open(QIODevice::Append)) return false;
    }
    const QByteArray enregistrement = Enregistrement_Option(légende, ligneCommande);
    return fichier.write(enregistrement) == enregistrement.size();
}
