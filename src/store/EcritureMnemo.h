#pragma once

#include "DiskFiles.h"
#include "ErreursFichier.h"
#include "FicheMnemo.h"

#include <QImage>
#include <QString>

class Platform;

// Saves memo nom in dossierMnémos (created owner-only when missing): its record, and its picture when
// image is not null; without a picture an older picture file is left as it is. fiche holds the text in
// clear and the clear password in MdP (see MotDePasse.h); the markers are set here.
//
// Both files are written aside, synced, then renamed over the old ones: a failure or a crash at any point
// leaves the previous version of each file whole, and the failure is answered (show it with
// Afficher_Erreur_Fichier and keep the memo marked modified). remplacer is the rename step, replaceable so
// that a test can make it fail.
Résultat_Écriture Écrire_Mnémo(Platform& plateforme, const QString& dossierMnémos, const QString& nom,
                               Fiche_Mnémo fiche, const QImage& image,
                               const ReplaceFile& remplacer = replaceFile);
