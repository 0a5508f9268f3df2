#pragma once

#include <QString>

// The files of memo N in the memo folder: its record N.PSL, its picture N.PS2 when it has one, and the
// two files a save writes aside before renaming them over those: N.PS3 for the picture, N.PSL.tmp for
// the record. Only *.PSL files count as memos.
inline const QString EXTENSION_FICHE = QStringLiteral(".PSL");
inline const QString EXTENSION_IMAGE = QStringLiteral(".PS2");
inline const QString EXTENSION_IMAGE_PROVISOIRE = QStringLiteral(".PS3");
inline const QString EXTENSION_FICHE_PROVISOIRE = QStringLiteral(".PSL.tmp");

// The largest record and picture files, in bytes as they are on disk, for the writer and the readers alike:
// a save that would pass one is refused whole, and a reader stops there (a larger file was not written by
// this program and counts as truncated).
inline constexpr qint64 LIMITE_FICHIER_FICHE = qint64(16) * 1024 * 1024;
inline constexpr qint64 LIMITE_FICHIER_IMAGE = qint64(256) * 1024 * 1024;

inline QString Chemin_Mnémo(const QString& dossierMnémos, const QString& nom, const QString& extension) {
    return dossierMnémos + QLatin1Char('/') + nom + extension;
}

// A memo name is a file stem: it must not be empty nor lead out of the memo folder.
inline bool Nom_Mnémo_Valide(const QString& nom) {
    return !nom.isEmpty() && nom != QLatin1String(".") && nom != QLatin1String("..") &&
           !nom.contains(QLatin1Char('/')) && !nom.contains(QLatin1Char('\\')) && !nom.contains(QChar(0));
}
