// Any bytes in a picture file decode to no picture or to one within the memory limit, and the picture
// decoded is saved and read back with the same size and the same opaque pixels (the memo files keep no
// transparency).
#include "store/ImageMnemo.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void vérifier(bool condition) {
    if (!condition) std::abort();
}

bool mêmesPixelsOpaques(const QImage& original, const QImage& relue) {
    const QImage a = original.convertToFormat(QImage::Format_ARGB32);
    const QImage b = relue.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto* ligneA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* ligneB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if (qAlpha(ligneA[x]) == 255 && ligneA[x] != ligneB[x]) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool limitée = (Limiter_Décodage_Images(), true); // as the program does at start-up
    Q_UNUSED(limitée);
    const QByteArray fichier(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QImage image = Décoder_Image(fichier);
    if (image.isNull()) return 0;
    vérifier(image.width() <= LIMITE_CÔTÉ_IMAGE && image.height() <= LIMITE_CÔTÉ_IMAGE &&
             qint64(image.width()) * image.height() * 4 <= qint64(LIMITE_MÉMOIRE_IMAGE_MO) * 1024 * 1024);

    const QByteArray bmp = Image_En_BMP(image);
    vérifier(!bmp.isEmpty());
    const QImage relue = Décoder_Image(Masquer_Image(bmp, REMPLISSAGE_MIN));
    vérifier(relue.size() == image.size() && mêmesPixelsOpaques(image, relue));
    return 0;
}
