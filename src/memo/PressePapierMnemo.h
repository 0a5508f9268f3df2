#pragma once

#include "platform/widgets/Clipboard.h"
#include "store/FichiersMnemo.h"

#include <QSize>
#include <QString>

// The paste code F: the sum of the weights of the formats on the clipboard, text 1, bitmap 2,
// device-independent bitmap 4, rich text 8; 0 to 15.
int Code_Collage(const Clipboard& pressePapier);

// The longest text a paste may leave in a memo, in characters. Its record keeps a character in one byte
// and a line break in two, so that such a text takes at most 2 MB of the record's 16, leaving the title, the
// alarm message and the rest far more room than they need; and the text box stays quick to work in.
inline constexpr qsizetype LIMITE_TEXTE_MNÉMO = 1'000'000;
static_assert(2 * LIMITE_TEXTE_MNÉMO <= LIMITE_FICHIER_FICHE / 8, "a pasted text must fit the record");

// What the user is told when a paste is refused: the text would leave the memo with longueur characters;
// the picture has that size.
QString Refus_Texte_Collé(qsizetype longueur);
QString Refus_Image_Collée(QSize taille);
