#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The tray tooltip of a day: long date, day of the year, week (whole seven-day periods since 1 January)
// and quarter, then the hint about the right click.
QString Texte_Info_Bulle(const QDate& jour, const QLocale& locale);

// The tip field shows at most 63 characters.
inline constexpr int LONGUEUR_INFO_BULLE = 63;
QString Champ_Info_Bulle(const QString& texte);
