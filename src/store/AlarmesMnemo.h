#pragma once

#include "FicheMnemo.h"
#include "TableAlarmes.h"

#include <QDateTime>

// What became of a memo's alarm row: its number for the CK_Alarme tag (0: no row, empty tag), and whether
// the row was refused because the table is full.
struct Inscription_Alarme {
    int ligne = 0;
    bool tablePleine = false;
};

// What the user is told, once per save or once per rebuild, when the table had no room.
inline const QString MESSAGE_ALARME_REFUSÉE =
    QStringLiteral("Trop d'alarmes : l'alarme de ce Mnémo ne peut pas être enregistrée.");
inline const QString MESSAGE_ALARMES_REFUSÉES =
    QStringLiteral("Trop d'alarmes : certaines alarmes des Mnémos ne peuvent pas être enregistrées.");
inline const QString MESSAGE_RÉGLAGE_REFUSÉ =
    QStringLiteral("Trop d'alarmes : cette alarme ne peut pas être enregistrée.");

Ligne_Alarme Ligne_Depuis_Fiche(const Fiche_Mnémo& fiche);

// After a save. ligneTag is the row held by the memo's CK_Alarme tag (0: empty). Ticked: the tag's row
// takes the values, or a new row does when the tag names none; a row whose day and hour stay the same keeps
// the day it rang, so that saving never rings an alarm twice. Unticked: the tag's row keeps everything but
// its Heure, which is emptied so that it never fires. A tag that names no row in use counts as empty.
Inscription_Alarme Mettre_À_Jour_Alarme(Table_Alarmes& table, int ligneTag, bool coché,
                                        const Ligne_Alarme& valeurs);

// While the table is rebuilt from the memo files: a record whose Alarme is set gets the next row.
Inscription_Alarme Inscrire_Alarme(Table_Alarmes& table, const Fiche_Mnémo& fiche);

// Once the table is rebuilt from the memo files (nouvelle), what the files do not hold comes over from the
// table it replaces: the day each alarm rang or was silenced, for the same alarm, and the rows no memo owns.
// Answers whether some of those rows found no room.
bool Reprendre_Alarmes(Table_Alarmes& nouvelle, const Table_Alarmes& ancienne);

// The "Alarme" button's new hour and message for the armed row (armée, 0: none armed). The alarm rings at
// the next time that hour comes: today when it is still to come, else tomorrow. A row of the button's own
// is changed in place, keeping the beep and program it took from a memo alarm; a memo's row is silenced for
// today and a row of the button's own takes the new hour with that memo alarm's beep and program; with none
// armed, a row of the button's own shows the message only. A full table changes nothing.
Inscription_Alarme Régler_Alarme(Table_Alarmes& table, int armée, const QTime& heure, const QString& message,
                                 const QDateTime& maintenant);
