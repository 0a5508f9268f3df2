#include "ImageMnemo.h"

#include "DiskFiles.h"
#include "FichiersMnemo.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace {

// A header may give a negative side (a bitmap stored top down): its length is what counts.
bool tropGrande(QSize taille) {
    const qint64 largeur = qAbs(qint64(taille.width())), hauteur = qAbs(qint64(taille.height()));
    return largeur > LIMITE_CÔTÉ_IMAGE || hauteur > LIMITE_CÔTÉ_IMAGE ||
           largeur * hauteur * 4 > qint64(LIMITE_MÉMOIRE_IMAGE_MO) * 1024 * 1024;
}

} // namespace

QByteArray Masquer_Image(const QByteArray& image, std::uint8_t remplissage) {
    return static_cast<char>(remplissage) + image;
}

QByteArray Masquer_Image(const QByteArray& image, RandomSource& hasard) {
    return Masquer_Image(image,
                         static_cast<std::uint8_t>(hasard.randomBetween(REMPLISSAGE_MIN, REMPLISSAGE_MAX)));
}

QByteArray Restaurer_Image(const QByteArray& fichier) {
    return fichier.mid(1);
}

QByteArray Image_En_BMP(const QImage& image) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (!image.save(&tampon, "BMP")) return {};
    return octets;
}

bool Image_Relisible(const QImage& image) {
    return !tropGrande(image.size());
}

bool Image_Relisible(QSize taille) {
    return !tropGrande(taille);
}

void Limiter_Décodage_Images() {
    QImageReader::setAllocationLimit(LIMITE_MÉMOIRE_IMAGE_MO);
}

QImage Décoder_Image(const QByteArray& fichier, QString* problème) {
    const auto refuser = [problème](const QString& pourquoi) {
        if (problème) *problème = pourquoi;
        return QImage();
    };
    const auto tropGrandePourÊtreOuverte = [&refuser](QSize taille) {
        return refuser(QStringLiteral("l'image mesure %1 × %2 pixels, plus que Pensoir n'en ouvre")
                           .arg(qAbs(qint64(taille.width())))
                           .arg(qAbs(qint64(taille.height()))));
    };
    QByteArray image = Restaurer_Image(fichier);
    if (image.isEmpty()) return refuser(QStringLiteral("son fichier d'image est vide"));
    QBuffer tampon(&image);
    if (!tampon.open(QIODevice::ReadOnly))
        return refuser(QStringLiteral("son fichier d'image est illisible"));
    QImageReader lecteur(&tampon);
    // A size the header gives is refused before anything is allocated, whichever format's reader it is;
    // a picture of a lower depth is measured as it will be shown too.
    if (tropGrande(lecteur.size())) return tropGrandePourÊtreOuverte(lecteur.size());
    QImage décodée = lecteur.read();
    if (décodée.isNull())
        return refuser(QStringLiteral("son fichier d'image ne contient pas d'image lisible"));
    if (tropGrande(décodée.size())) return tropGrandePourÊtreOuverte(décodée.size());
    return décodée;
}

QImage Lire_Image(const QString& dossierMnémos, const QString& nom) {
    return Lire_Image_Expliquée(dossierMnémos, nom).image;
}

Image_Lue Lire_Image_Expliquée(const QString& dossierMnémos, const QString& nom) {
    if (!Nom_Mnémo_Valide(nom)) return {};
    const QString chemin = Chemin_Mnémo(dossierMnémos, nom, EXTENSION_IMAGE);
    const QFileInfo info(chemin);
    if (!info.exists()) {
        if (info.isSymLink())
            return {{}, QStringLiteral("son fichier d'image est un lien vers un fichier absent")};
        return {};
    }
    if (!info.isFile())
        return {{},
                QStringLiteral("« %1 » n'est pas un fichier d'image mais un dossier ou un fichier spécial")
                    .arg(info.fileName())};
    if (info.size() > LIMITE_FICHIER_IMAGE)
        return {{},
                QStringLiteral("son fichier d'image dépasse %1 Mo, plus qu'aucune image enregistrée par "
                               "Pensoir")
                    .arg(LIMITE_FICHIER_IMAGE / (1024 * 1024))};
    QByteArray fichier;
    if (!readFileStart(chemin, LIMITE_FICHIER_IMAGE, fichier))
        return {{}, QStringLiteral("son fichier d'image ne peut pas être lu")};
    Image_Lue lue;
    lue.image = Décoder_Image(fichier, &lue.problème);
    return lue;
}
