#pragma once

#include "platform/core/RandomSource.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>

// A picture file N.PS2 is one random filler byte followed by a picture file, so that it does not open
// as a picture as it stands. Pictures are saved as BMP; reading takes whatever Qt can load.
inline constexpr std::uint8_t REMPLISSAGE_MIN = 34;
inline constexpr std::uint8_t REMPLISSAGE_MAX = 132;

QByteArray Masquer_Image(const QByteArray& image, std::uint8_t remplissage);
QByteArray Masquer_Image(const QByteArray& image, RandomSource& hasard); // draws the filler
QByteArray Restaurer_Image(const QByteArray& fichier);

// The picture as the memo files hold it; empty when Qt cannot encode it.
QByteArray Image_En_BMP(const QImage& image);

// Decoding a picture may take this much memory at most (megabytes), whatever size its file claims: a
// picture shown takes 4 bytes a pixel, and a screenshot of a 4K screen takes 32.
inline constexpr int LIMITE_MÉMOIRE_IMAGE_MO = 128;
// Nor may either side be longer (pixels): Qt's painting and X11 coordinates go no further.
inline constexpr int LIMITE_CÔTÉ_IMAGE = 32767;

// Sets Qt's own ceiling on the memory a picture's decoding may take to the limit above, for every picture
// the program decodes (files and clipboard alike). Called once at start-up.
void Limiter_Décodage_Images();

// The picture a picture file's bytes hold, decoded within those limits; null when there is none or it
// would go beyond, and then, when problème is given, why, as the user is told.
QImage Décoder_Image(const QByteArray& fichier, QString* problème = nullptr);
// Whether a picture saved now would come back from its file: a save must not write one that never would.
bool Image_Relisible(const QImage& image);
// The same for a picture of that size, before it is made.
bool Image_Relisible(QSize taille);

// The picture of memo nom, null when it has none or its file is unreadable. The file is only read, and no
// more of it than LIMITE_FICHIER_IMAGE: a larger one (a sparse file claims any size) is not read at all.
QImage Lire_Image(const QString& dossierMnémos, const QString& nom);
// The same, saying why a picture file that is there gave no picture; problème stays empty when there was
// none to read (the memo has no picture file).
struct Image_Lue {
    QImage image;
    QString problème;
};
Image_Lue Lire_Image_Expliquée(const QString& dossierMnémos, const QString& nom);
