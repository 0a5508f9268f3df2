#include "EcranVisible.h"

#include "platform/widgets/Twips.h"

#include <algorithm>
#include <limits>

namespace {

long long distanceCarrée(const QRect& a, const QRect& b) {
    const long long dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const long long dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx * dx + dy * dy;
}

int ramener(int début, int taille, int écranDébut, int écranTaille) {
    // Keep the top-left corner on the screen when the window is larger than it.
    const int fin = écranDébut + std::max(0, écranTaille - taille);
    return std::clamp(début, écranDébut, fin);
}

// The fewest pixels that make at least so many twips.
int pixelsPourAuMoins(int twips) {
    int pixels = twipsToPixels(twips);
    while (pixelsToTwips(pixels) < twips)
        ++pixels;
    return pixels;
}

} // namespace

QSize Borner_Taille(const QSize& voulue, const QSize& disponible) {
    const int minimum = pixelsPourAuMoins(CÔTÉ_MINIMAL_MNÉMO);
    return {std::max(minimum, std::min(voulue.width(), disponible.width())),
            std::max(minimum, std::min(voulue.height(), disponible.height()))};
}

QRect Garder_Sur_Écran(QRect fenêtre, const QRect& zone, bool horizontalement) {
    if (fenêtre.bottom() > zone.bottom()) fenêtre.moveBottom(zone.bottom());
    if (fenêtre.top() < zone.top()) fenêtre.moveTop(zone.top());
    if (horizontalement) {
        if (fenêtre.right() > zone.right()) fenêtre.moveRight(zone.right());
        if (fenêtre.left() < zone.left()) fenêtre.moveLeft(zone.left());
    }
    return fenêtre;
}

QRect Ramener_Sur_Écran(const QRect& fenêtre, const QList<QRect>& écrans) {
    if (écrans.isEmpty()) return fenêtre;
    for (const QRect& écran : écrans)
        if (écran.intersects(fenêtre)) return fenêtre;

    const QRect* plusProche = &écrans.constFirst();
    long long meilleure = std::numeric_limits<long long>::max();
    for (const QRect& écran : écrans) {
        const long long d = distanceCarrée(fenêtre, écran);
        if (d < meilleure) {
            meilleure = d;
            plusProche = &écran;
        }
    }
    QRect résultat = fenêtre;
    résultat.moveTo(ramener(fenêtre.x(), fenêtre.width(), plusProche->x(), plusProche->width()),
                    ramener(fenêtre.y(), fenêtre.height(), plusProche->y(), plusProche->height()));
    return résultat;
}
