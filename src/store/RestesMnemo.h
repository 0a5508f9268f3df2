#pragma once

#include <QDateTime>
#include <QString>

// Files a save writes aside (N.PSL.tmp, N.PS3, and N.PSL.tmp of a recovery copy) and that a crash left
// behind. A save renames or removes its own within moments, so one older than this is nobody's: removed at
// start by the copy of the program that holds the program folder's lock (another copy may be saving now).
inline constexpr qint64 ÂGE_RESTE_ABANDONNÉ_S = 60;

// Removes the leftovers of dossierMnémos and its recovery folder last modified more than a minute before
// maintenant; answers how many went. Only regular files are removed, never a folder
// nor a link.
int Supprimer_Restes_Abandonnés(const QString& dossierMnémos, const QDateTime& maintenant);
