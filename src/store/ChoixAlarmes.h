#pragma once

#include "TableAlarmes.h"

#include <QDateTime>
#include <QList>

#include <optional>

// The minute at which a row rings on a given day: none when the row is for another day, has no real hour
// (empty, unfilled, badly written) or has rung that day already.
std::optional<QTime> Minute_Du_Jour(const Ligne_Alarme& ligne, const QDate& jour);

// The row to arm: the earliest of the day of maintenant strictly later than its minute, the lowest row
// on a tie; 0 when none.
int Choisir_Prochaine_Alarme(const Table_Alarmes& table, const QDateTime& maintenant);

// The rows of jour due by the minute jusquà (included) and after the minute après (excluded; none: from
// the start of the day), in the order they ring: by time, then by row.
QList<int> Alarmes_Dues(const Table_Alarmes& table, const QDate& jour, std::optional<QTime> après,
                        const QTime& jusquà);
