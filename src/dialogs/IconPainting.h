#pragma once

#include "IconSet.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>

#include <initializer_list>

// The sixteen colours of the classic VGA palette: the icon set keeps to them.
namespace vga {
inline const QColor Noir(0x00, 0x00, 0x00);
inline const QColor BleuMarine(0x00, 0x00, 0x80);
inline const QColor VertFonce(0x00, 0x80, 0x00);
inline const QColor Sarcelle(0x00, 0x80, 0x80);
inline const QColor Bordeaux(0x80, 0x00, 0x00);
inline const QColor Violet(0x80, 0x00, 0x80);
inline const QColor Olive(0x80, 0x80, 0x00);
inline const QColor Argent(0xC0, 0xC0, 0xC0);
inline const QColor Gris(0x80, 0x80, 0x80);
inline const QColor Bleu(0x00, 0x00, 0xFF);
inline const QColor Vert(0x00, 0xFF, 0x00);
inline const QColor Cyan(0x00, 0xFF, 0xFF);
inline const QColor Rouge(0xFF, 0x00, 0x00);
inline const QColor Magenta(0xFF, 0x00, 0xFF);
inline const QColor Jaune(0xFF, 0xFF, 0x00);
inline const QColor Blanc(0xFF, 0xFF, 0xFF);
} // namespace vga

// A transparent 32 × 32 picture drawn pixel-exact, without antialiasing. Sizes are in pixels covered:
// rectangle(0, 0, 32, 32, …) fills the whole picture and outlines its outermost pixels.
class IconCanvas {
public:
    IconCanvas();

    void rectangle(int x, int y, int largeur, int hauteur, const QColor& fond, const QColor& trait = {});
    void ellipse(int x, int y, int largeur, int hauteur, const QColor& fond, const QColor& trait = {});
    void polygone(std::initializer_list<QPoint> points, const QColor& fond, const QColor& trait = {});
    // A hole through what is already drawn, with an optional outline.
    void trou(int x, int y, int largeur, int hauteur, const QColor& trait = {});
    void ligne(int x1, int y1, int x2, int y2, const QColor& couleur);
    void pixel(int x, int y, const QColor& couleur);
    // Pixel art: one character a pixel; '.' and ' ' leave the pixel as it is, the other characters
    // name a colour of the palette (see IconPainting.cpp).
    void motif(int x, int y, std::initializer_list<const char*> lignes);

    QPainter& painter() { return painter_; }
    QImage image();

private:
    QImage image_;
    QPainter painter_;
};
