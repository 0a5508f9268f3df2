#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

double twipsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return TWIPS_PAR_POUCE / (dpi > 0 ? dpi : 96.0);
}

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel()));
}

int pixelsToTwips(int pixels) {
    return static_cast<int>(std::lround(pixels * twipsPerPixel()));
}

QRect twipsToPixels(const QRect& twips) {
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}

QSize twipsToPixels(const QSize& twips) {
    return {twipsToPixels(twips.width()), twipsToPixels(twips.height())};
}

QPoint twipsToPixels(const QPoint& twips) {
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y())};
}

QRect pixelsToTwips(const QRect& pixels) {
    return {pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y()), pixelsToTwips(pixels.width()),
            pixelsToTwips(pixels.height())};
}
