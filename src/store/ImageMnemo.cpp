#include "ImageMnemo.h"

#include "DiskFiles.h"
#include "FichiersMnemo.h"

#include <QBuffer>

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

QImage Lire_Image(const QString& dossierMnémos, const QString& nom) {
    QByteArray fichier;
    if (!Nom_Mnémo_Valide(nom) ||
        !readFileStart(Chemin_Mnémo(dossierMnémos, nom, EXTENSION_IMAGE), LIMITE_FICHIER_IMAGE, fichier))
        return {};
    return QImage::fromData(Restaurer_Image(fichier));
}
