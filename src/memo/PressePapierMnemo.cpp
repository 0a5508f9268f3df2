#include "PressePapierMnemo.h"

#include "store/ImageMnemo.h"

#include <array>
#include <utility>

int Code_Collage(const Clipboard& pressePapier) {
    constexpr std::array<std::pair<ClipboardFormat, int>, 4> POIDS{{
        {ClipboardFormat::Text, 1},
        {ClipboardFormat::Bitmap, 2},
        {ClipboardFormat::DeviceIndependentBitmap, 4},
        {ClipboardFormat::RichText, 8},
    }};
    int code = 0;
    for (const auto& [format, poids] : POIDS) {
        if (pressePapier.hasFormat(format)) code += poids;
    }
    return code;
}

QString Refus_Texte_Collé(qsizetype longueur) {
    return QStringLiteral("Le texte du presse-papier est trop long pour ce Mnémo : avec lui, le texte "
                          "compterait %1 caractères (au plus %2). Rien n'a été collé.")
        .arg(longueur)
        .arg(LIMITE_TEXTE_MNÉMO);
}

QString Refus_Image_Collée(QSize taille) {
    return QStringLiteral("L'image du presse-papier est trop grande pour un Mnémo : %1 × %2 pixels (au plus "
                          "%3 pixels de côté et %4 Mo une fois affichée). Rien n'a été collé.")
        .arg(taille.width())
        .arg(taille.height())
        .arg(LIMITE_CÔTÉ_IMAGE)
        .arg(LIMITE_MÉMOIRE_IMAGE_MO);
}
