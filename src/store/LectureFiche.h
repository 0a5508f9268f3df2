#pragma once

#include "FicheMnemo.h"

#include <QString>

// Memo files are small; a record file is read up to this size only, beyond which it counts as truncated
// (its end marker is then missing and the memo is reported malformed).
inline constexpr qint64 LIMITE_FICHIER_FICHE = qint64(16) * 1024 * 1024;

// The record of memo nom, read as Analyser_Fiche (FormatFiche.h) describes; the empty record when its file
// cannot be opened. Sets Icône_Choisie to the record's Icône, whatever was read. The file is only read.
Fiche_Mnémo Lire_Fiche(const QString& dossierMnémos, const QString& nom, qint16& Icône_Choisie);
