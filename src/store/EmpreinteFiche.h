#pragma once

#include "FichiersMnemo.h"

#include <QByteArray>
#include <QString>

// What a memo's record file held when a window read or last wrote it, to tell at the next save whether
// another copy of the program has rewritten or deleted it since. The whole content is compared through a
// hash, not the file's time, which two saves within the same instant share.
struct Empreinte_Fiche {
    bool présente = false; // a memo never saved has no record: its expected state is "absent"
    QByteArray condensé;   // of the bytes, as a reader sees them (bounded as the reader is)

    friend bool operator==(const Empreinte_Fiche&, const Empreinte_Fiche&) = default;
};

// The record's bytes as the writer hands them to the disk.
Empreinte_Fiche Empreinte_Des_Octets(const QByteArray& octets);
// The record of memo nom as it is on disk now. A regular file counts as present even when it cannot be
// read; a folder or a special file under that name is no record, and counts as absent.
Empreinte_Fiche Empreinte_Sur_Disque(const QString& dossierMnémos, const QString& nom);
// The same for a record file just read: octetsLus, its first bytes up to the limit and one more (nullptr:
// it could not be read).
Empreinte_Fiche Empreinte_Du_Fichier(const QString& chemin, const QByteArray* octetsLus);
// How much of a record a fingerprint takes: one byte past the limit tells an oversized file from one at the
// limit.
inline constexpr qint64 OCTETS_EMPREINTE = LIMITE_FICHIER_FICHE + 1;
