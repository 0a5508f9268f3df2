#pragma once

#include <QFont>
#include <QStringList>

// The controls were measured for the classic Windows fonts; where those are missing, fonts of about the
// same width keep the captions inside their places.
inline QFont policeClassique(double taille = 8.25, bool gras = false,
                             const QString& préférée = QStringLiteral("MS Sans Serif")) {
    QFont police;
    police.setFamilies({préférée, QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                        QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
    police.setPointSizeF(taille);
    police.setBold(gras);
    return police;
}
