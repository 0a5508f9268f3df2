#pragma once

#include "FicheMnemo.h"
#include "TableAlarmes.h"

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

Ligne_Alarme Ligne_Depuis_Fiche(const Fiche_Mnémo& fiche);

// After a save. ligneTag is the row held by the memo's CK_Alarme tag (0: empty). Ticked: the tag's row
// takes the values, or a new row does when the tag names none. Unticked: the tag's row keeps everything but
// its Heure, which is emptied so that it never fires. A tag that names no row in use counts as empty.
Inscription_Alarme Mettre_À_Jour_Alarme(Table_Alarmes& table, int ligneTag, bool coché,
                                        const Ligne_Alarme& valeurs);

// While the table is rebuilt from the memo files: a record whose Alarme is set gets the next row.
Inscription_Alarme Inscrire_Alarme(Table_Alarmes& table, const Fiche_Mnémo& fiche);
