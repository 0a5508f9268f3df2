#include "ChampsAlarme.h"

#include "TableAlarmes.h"

QString Écrire_Jour(const QDate& jour) {
    return jour.toString(FORMAT_JOUR);
}

QString Écrire_Heure(const QTime& heure) {
    return heure.toString(FORMAT_HEURE);
}

// Qt's reader is lenient (one digit where two are asked, blanks): only a text written back the same counts.
std::optional<QDate> Lire_Jour(const QString& texte) {
    const QDate jour = QDate::fromString(texte, FORMAT_JOUR);
    if (!jour.isValid() || Écrire_Jour(jour) != texte) return std::nullopt;
    return jour;
}

std::optional<QDate> Lire_Jour_En_Tête(const QString& texte) {
    const QString tête = texte.trimmed().section(QLatin1Char(' '), 0, 0);
    QDate jour = QDate::fromString(tête, FORMAT_JOUR);
    if (!jour.isValid()) jour = QDate::fromString(tête, QStringLiteral("d/M/yyyy"));
    if (!jour.isValid()) return std::nullopt;
    return jour;
}

std::optional<QTime> Lire_Heure(const QString& texte) {
    const QTime heure = QTime::fromString(texte, FORMAT_HEURE);
    if (!heure.isValid() || Écrire_Heure(heure) != texte) return std::nullopt;
    return heure;
}

bool Tous_Les_Jours(const QString& jour) {
    return jour.isEmpty() || jour == JOUR_TOUS_LES_JOURS;
}

bool Jour_Saisi_Correct(const QString& texte) {
    return Tous_Les_Jours(texte) || Lire_Jour(texte).has_value();
}

bool Heure_Saisie_Correcte(const QString& texte) {
    return texte.isEmpty() || texte == HEURE_VIDE || Lire_Heure(texte).has_value();
}
