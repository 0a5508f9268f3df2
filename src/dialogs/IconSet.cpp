#include "IconSet.h"

#include "IconDrawings.h"

#include <QImage>

#include <array>

namespace {

QImage iconeVide() {
    QImage vide(CÔTÉ_ICÔNE, CÔTÉ_ICÔNE, QImage::Format_ARGB32);
    vide.fill(Qt::transparent);
    return vide;
}

// Drawn once, kept as images: a pixmap must not outlive the application.
const QImage& dessin(int numéro) {
    static std::array<QImage, NOMBRE_ICÔNES> dessins;
    QImage& image = dessins[static_cast<std::size_t>(numéro)];
    if (image.isNull()) {
        image = dessinerObjetsCourants(numéro);
        if (image.isNull()) image = dessinerCurseurs(numéro);
        if (image.isNull()) image = dessinerAutresObjets(numéro);
        if (image.isNull()) image = iconeVide();
    }
    return image;
}

} // namespace

QPixmap Image_Icône(int numéro) {
    if (numéro < 0 || numéro >= NOMBRE_ICÔNES) return {};
    const BitmapResources ressources;
    if (numéro == 31) return imageRessource(ressources.image31);
    if (numéro == 32) return imageRessource(ressources.image32);
    return QPixmap::fromImage(dessin(numéro));
}

QPixmap imageRessource(const QString& nom) {
    const QImage image(nom);
    if (image.isNull()) return QPixmap::fromImage(iconeVide());
    return QPixmap::fromImage(image.scaled(CÔTÉ_ICÔNE, CÔTÉ_ICÔNE));
}
