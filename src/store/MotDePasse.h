#pragma once

#include "FicheMnemo.h"

#include "platform/core/RandomSource.h"

// A protected memo stores its password and its text scrambled (TablesCodage.h) by a pass count drawn
// at each save. The MdP field is the coded password left-justified in 8 columns, then the pass count as
// two digits; a memo without a password stores 10 spaces and its text in clear.
inline constexpr int LARGEUR_MOT_DE_PASSE = 8;
inline constexpr int LONGUEUR_TEXTE_COURT = 300; // a stored text shorter than this gets up to 99 passes
inline constexpr int TOURS_MAX_TEXTE_COURT = 99;
inline constexpr int TOURS_MAX_TEXTE_LONG = 9;
inline constexpr int TOURS_MIN = 4; // a smaller draw gets TOURS_AJOUT more
inline constexpr int TOURS_AJOUT = 3;

// The form in which a typed password is stored and compared: spaces trimmed, at most 8 characters, a
// character outside Windows-1252 as '?', a double quote as an apostrophe (a record value cannot hold a
// quote). Whoever checks a typed password compares it in this form.
QString Mot_De_Passe_Enregistrable(const QString& saisi);

// Draws the pass count for a text in clear: 1 to 99 when its stored form (a line break counting two
// characters) is shorter than 300 characters, else 1 to 9; a draw below 4 gets 3 more.
int Tirer_Tours(RandomSource& hasard, const QString& texte);

// Turns fiche.MdP (the clear password) and fiche.Texte (clear) into their stored forms and answers the
// pass count, 0 without a password. When the drawn count would give a coded password that starts or ends
// with a space, which a reader cannot tell from the padding, the next count in range that does not is used.
// For a UTF-8 record the text keeps its characters outside Windows-1252 (Coder_Tout).
int Brouiller_Fiche(RandomSource& hasard, Fiche_Mnémo& fiche,
                    Jeu_Caractères jeu = Jeu_Caractères::Windows1252);

// The password field as read back: the clear password (empty: none) and the pass count that also
// unscrambles the text.
struct MdP_Lu {
    QString motDePasse;
    int tours = 0;
};
MdP_Lu Lire_MdP(const QString& champ);
