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

// Qt decodes a picture only up to its allocation limit (QImageReader::allocationLimit, in MB): what a picture
// file would take once read back, and whether the reader accepts that much. A save must not write a picture
// that would never come back.
qint64 Taille_Image_Relue(const QByteArray& fichierImage);
bool Image_Relisible(const QByteArray& fichierImage);

// The picture of memo nom, null when it has none or its file is unreadable. The file is only read.
QImage Lire_Image(const QString& dossierMnémos, const QString& nom);
