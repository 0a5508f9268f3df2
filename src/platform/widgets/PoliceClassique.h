#pragma once

#include <QFont>
#include <QStringList>

// The controls were measured for the classic Windows fonts; where those are missing, fonts of about the
// same width keep the captions inside their places. The family asked for comes first, then those.
inline QStringList famillesClassiques(const QString& préférée = QStringLiteral("MS Sans Serif")) {
    QStringList familles{préférée,
                         QStringLiteral("MS Sans Serif"),
                         QStringLiteral("Microsoft Sans Serif"),
                         QStringLiteral("Arial"),
                         QStringLiteral("Liberation Sans"),
                         QStringLiteral("Nimbus Sans")};
    familles.removeDuplicates();
    return familles;
}

inline QFont policeClassique(double taille = 8.25, bool gras = false,
                             const QString& préférée = QStringLiteral("MS Sans Serif")) {
    QFont police;
    police.setFamilies(famillesClassiques(préférée));
    police.setPointSizeF(taille);
    police.setBold(gras);
    return police;
}
