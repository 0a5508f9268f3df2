#pragma once

#include <QString>

// What the input dialog is given and what it gives back; one set for the whole program.
struct Échange_Saisie {
    QString Saisie_Jour;
    QString Saisie_Heure;
    QString Saisie_Message;
    QString MdP_Saisi;
    bool Saisie_Validée = false;
};
