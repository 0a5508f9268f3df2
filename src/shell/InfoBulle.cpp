#include "InfoBulle.h"

QString Texte_Info_Bulle(const QDate& jour, const QLocale& locale) {
    const int jourAnnée = jour.dayOfYear();
    const int semaine = (jourAnnée - 1) / 7 + 1;
    const int trimestre = (jour.month() - 1) / 3 + 1;
    return locale.toString(jour, QLocale::LongFormat) + QStringLiteral(", jour ") +
           QString::number(jourAnnée) + QStringLiteral(", sem ") + QString::number(semaine) +
           QStringLiteral(", trim ") + QString::number(trimestre) +
           QStringLiteral(" - Clic droit = Mnémo et liste de mes utilitaires");
}

QString Champ_Info_Bulle(const QString& texte) {
    return texte.left(LONGUEUR_INFO_BULLE);
}
