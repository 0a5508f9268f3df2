#pragma once

#include <QString>

class Platform;

// Deletes the files of memo nom. A record file that exists but cannot be deleted is reported with a beep
// and an "erreur " box; a missing one (a memo never saved) is not. The picture file and any file left
// aside by an interrupted save go silently.
void Supprimer_Fichiers_Mnémo(Platform& plateforme, const QString& dossierMnémos, const QString& nom);
