#include "EmpreinteFiche.h"

#include "DiskFiles.h"

#include <QCryptographicHash>
#include <QFileInfo>

Empreinte_Fiche Empreinte_Des_Octets(const QByteArray& octets) {
    return {true, QCryptographicHash::hash(octets, QCryptographicHash::Sha256)};
}

Empreinte_Fiche Empreinte_Sur_Disque(const QString& dossierMnémos, const QString& nom) {
    if (!Nom_Mnémo_Valide(nom)) return {};
    const QString chemin = Chemin_Mnémo(dossierMnémos, nom, EXTENSION_FICHE);
    QByteArray octets;
    return Empreinte_Du_Fichier(chemin, readFileStart(chemin, OCTETS_EMPREINTE, octets) ? &octets : nullptr);
}

Empreinte_Fiche Empreinte_Du_Fichier(const QString& chemin, const QByteArray* octetsLus) {
    if (octetsLus) return Empreinte_Des_Octets(*octetsLus);
    // A folder or a special file under its name holds no record, another copy's or any: the writer
    // reports what stands in its way.
    if (!QFileInfo(chemin).isFile()) return {};
    return {true, QByteArrayLiteral("illisible")};
}
