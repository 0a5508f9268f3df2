#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Geometry is kept in twips (1/1440 inch) and turned into pixels only where a widget needs it.
inline constexpr int TWIPS_PAR_POUCE = 1440;

double twipsPerPixel(); // 15 on a 96-dpi screen
int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
QRect twipsToPixels(const QRect& twips);
QSize twipsToPixels(const QSize& twips);
QPoint twipsToPixels(const QPoint& twips);
QRect pixelsToTwips(const QRect& pixels);
