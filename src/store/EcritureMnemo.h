#pragma once

#include "DiskFiles.h"
#include "EmpreinteFiche.h"
#include "ErreursFichier.h"
#include "FicheMnemo.h"

#include "platform/core/RandomSource.h"

#include <QImage>
#include <QString>

// Saves memo nom in dossierMnémos (created owner-only when missing): its record, and its picture when
// image is not null; without a picture an older picture file is left as it is. fiche holds the text in
// clear and the clear password in MdP (see MotDePasse.h); the markers are set here.
//
// Both files are written aside, synced, then renamed over the old ones: a failure or a crash at any point
// leaves the previous version of each file whole, and the failure is answered (the caller shows it and
// keeps the memo marked modified). A record or picture file that would pass its limit (FichiersMnemo.h) is
// refused before anything is written, as the readers would not take it back. hasard draws the password's pass
// count and the picture's filler. remplacer is the rename step, replaceable so that a test can make it fail.
// After a success, écrite (when given) is the record as written, for the next save to compare with.
Résultat_Écriture Écrire_Mnémo(RandomSource& hasard, const QString& dossierMnémos, const QString& nom,
                               Fiche_Mnémo fiche, const QImage& image,
                               const ReplaceFile& remplacer = replaceFile, Empreinte_Fiche* écrite = nullptr);
