#pragma once

#include "ErreursFichier.h"

#include <QString>

// Deletes the files of memo nom. A record file that exists but cannot be deleted is answered as a failure;
// a missing one (a memo never saved) is not. The picture file and any file left aside by an interrupted
// save go silently.
Résultat_Écriture Supprimer_Fichiers_Mnémo(const QString& dossierMnémos, const QString& nom);
