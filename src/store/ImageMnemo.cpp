#include "ImageMnemo.h"

#include "DiskFiles.h"
#include "FichiersMnemo.h"

#include <QBuffer>
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

QImage Décoder_Image(const QByteArray& fichier) {
    QByteArray image = Restaurer_Image(fichier);
    QBuffer tampon(&image);
    if (!tampon.open(QIODevice::ReadOnly)) return {};
    // Qt's limit holds for every picture the program decodes; it is set here so that none read from a
    // file is decoded without it.
    QImageReader::setAllocationLimit(LIMITE_MÉMOIRE_IMAGE_MO);
    QImageReader lecteur(&tampon);
    // A size the header gives is refused before anything is allocated, whichever format's reader it is;
    // a picture of a lower depth is measured as it will be shown too.
    if (tropGrande(lecteur.size())) return {};
    QImage décodée = lecteur.read();
    if (tropGrande(décodée.size())) return {};
    return décodée;
}

QImage Lire_Image(const QString& dossierMnémos, const QString& nom) {
    QByteArray fichier;
    if (!Nom_Mnémo_Valide(nom) ||
        !readFileStart(Chemin_Mnémo(dossierMnémos, nom, EXTENSION_IMAGE), LIMITE_FICHIER_IMAGE, fichier))
        return {};
    return Décoder_Image(fichier);
}
