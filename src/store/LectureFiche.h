#pragma once

#include "EmpreinteFiche.h"
#include "FicheMnemo.h"
#include "FichiersMnemo.h"

#include <QString>

// The record of memo nom, read as Analyser_Fiche (FormatFiche.h) describes, up to LIMITE_FICHIER_FICHE (its
// end marker is missing beyond, and the memo is reported malformed); the empty record when its file
// cannot be opened. Sets Icône_Choisie to the record's Icône, whatever was read. The file is only read.
// empreinte, when given, takes the fingerprint of the very bytes read (EmpreinteFiche.h): another copy of
// the program may save the record a moment later, and a window must not take that version for the one it
// shows.
Fiche_Mnémo Lire_Fiche(const QString& dossierMnémos, const QString& nom, qint16& Icône_Choisie,
                       Empreinte_Fiche* empreinte = nullptr);
