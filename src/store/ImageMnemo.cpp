#include "ImageMnemo.h"

#include "DiskFiles.h"
#include "FichiersMnemo.h"

#include <QBuffer>
#include <QImageReader>

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

qint64 Taille_Image_Relue(const QByteArray& fichierImage) {
    QBuffer tampon;
    tampon.setData(fichierImage);
    tampon.open(QIODevice::ReadOnly);
    const QImageReader lecteur(&tampon);
    const QSize taille = lecteur.size();
    if (!taille.isValid()) return 0;
    // As Qt reckons it: lines padded to 32 bits.
    const qint64 bitsParPixel = QImage::toPixelFormat(lecteur.imageFormat()).bitsPerPixel();
    const qint64 octetsParLigne = ((taille.width() * bitsParPixel + 31) >> 5) << 2;
    return octetsParLigne * taille.height();
}

bool Image_Relisible(const QByteArray& fichierImage) {
    const qint64 limite = QImageReader::allocationLimit();
    return limite <= 0 || (Taille_Image_Relue(fichierImage) >> 20) <= limite;
}

QImage Lire_Image(const QString& dossierMnémos, const QString& nom) {
    QByteArray fichier;
    if (!Nom_Mnémo_Valide(nom) ||
        !readFileStart(Chemin_Mnémo(dossierMnémos, nom, EXTENSION_IMAGE), LIMITE_FICHIER_IMAGE, fichier))
        return {};
    return QImage::fromData(Restaurer_Image(fichier));
}
