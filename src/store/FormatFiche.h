#pragma once

#include "FicheMnemo.h"

#include <QByteArray>
#include <QList>

// The bytes of a record file: 26 lines ended by CR LF, in Windows-1252 (a character outside it as '?') unless
// told otherwise.
//   text     "value"   line breaks kept inside as CR LF; a double quote is written as two apostrophes
//                      so that every value reads back; Début, MdP and Fin at their fixed widths
//   boolean  #TRUE# or #FALSE#
//   number   decimal, a leading minus when negative
QByteArray Composer_Fiche(const Fiche_Mnémo& fiche, Jeu_Caractères jeu = Jeu_Caractères::Windows1252);

// The characters of the record's texts that a memo file cannot hold (it would store each as '?'), each once,
// in field order. The password is left out: it is stored and compared in its storable form (MotDePasse.h).
QList<char32_t> Lettres_Hors_Fichier(const Fiche_Mnémo& fiche);

// Reads those forms back, one value per field:
// - a value opening with a double quote runs to the next double quote, line breaks included, and the
//   rest of its line is dropped; any other value is the rest of its line (LF or CR alone end a line too);
// - a value that does not have its field's form leaves that field empty, false or 0 and reading goes on
//   with the next value, so one damaged line spoils one field only;
// - when the bytes run out, the remaining fields keep their empty values (Fiche_Mnémo{}), so a truncated
//   file fails the end marker and an empty one gives the empty record;
// - Début, MdP and Fin, when read, are cut or padded with spaces to their widths.
// Never fails; takes time in proportion to the bytes.
Fiche_Mnémo Analyser_Fiche(const QByteArray& octets, Jeu_Caractères jeu = Jeu_Caractères::Windows1252);
