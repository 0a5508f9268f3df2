#pragma once

#include "FicheMnemo.h"
#include "FichiersMnemo.h"

#include <QString>

// The record of memo nom, read as Analyser_Fiche (FormatFiche.h) describes, up to LIMITE_FICHIER_FICHE (its
// end marker is missing beyond, and the memo is reported malformed); the empty record when its file
// cannot be opened. Sets Icône_Choisie to the record's Icône, whatever was read. The file is only read.
Fiche_Mnémo Lire_Fiche(const QString& dossierMnémos, const QString& nom, qint16& Icône_Choisie);
