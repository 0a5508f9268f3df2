#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

// How alarm days and hours are written wherever they are stored, typed or compared: the day first,
// whatever the locale, and two digits everywhere.
inline const QString FORMAT_JOUR = QStringLiteral("dd/MM/yyyy");
inline const QString FORMAT_HEURE = QStringLiteral("HH:mm");

QString Écrire_Jour(const QDate& jour);
QString Écrire_Heure(const QTime& heure); // to the minute

// A day that exists, written dd/MM/yyyy; anything else (1/2/2026, 2026-02-01, 31/02/2026) is none.
std::optional<QDate> Lire_Jour(const QString& texte);
// The day a text begins with, as the input dialog is given or typed one: written dd/MM/yyyy or with single
// digits (8/12/2026), a time after it ignored ("08/12/2026 10:29:50"); none when it is not a day.
std::optional<QDate> Lire_Jour_En_Tête(const QString& texte);
// An hour from 00:00 to 23:59, written HH:MM; anything else (9:30, 24:00, 12h30, "__:__") is none.
std::optional<QTime> Lire_Heure(const QString& texte);

// A day left empty or unfilled: the alarm is for every day.
bool Tous_Les_Jours(const QString& jour);

// The checks made when the user leaves the day or the hour field of a memo's alarm: an empty or
// unfilled field passes, and so does a day or an hour as read above.
bool Jour_Saisi_Correct(const QString& texte);
bool Heure_Saisie_Correcte(const QString& texte);
