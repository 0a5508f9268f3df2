#include "IconPainting.h"

#include <QPolygon>

namespace {

void choisir(QPainter& painter, const QColor& fond, const QColor& trait) {
    painter.setBrush(fond.isValid() ? QBrush(fond) : QBrush(Qt::NoBrush));
    painter.setPen(trait.isValid() ? QPen(trait, 1) : QPen(Qt::NoPen));
}

QColor couleurDuMotif(char c) {
    switch (c) {
    case 'K':
        return vga::Noir;
    case 'b':
        return vga::BleuMarine;
    case 'g':
        return vga::VertFonce;
    case 'c':
        return vga::Sarcelle;
    case 'r':
        return vga::Bordeaux;
    case 'm':
        return vga::Violet;
    case 'y':
        return vga::Olive;
    case 'S':
        return vga::Argent;
    case 'D':
        return vga::Gris;
    case 'B':
        return vga::Bleu;
    case 'G':
        return vga::Vert;
    case 'C':
        return vga::Cyan;
    case 'R':
        return vga::Rouge;
    case 'M':
        return vga::Magenta;
    case 'Y':
        return vga::Jaune;
    case 'W':
        return vga::Blanc;
    default:
        return {};
    }
}

} // namespace

IconCanvas::IconCanvas() : image_(CÔTÉ_ICÔNE, CÔTÉ_ICÔNE, QImage::Format_ARGB32) {
    image_.fill(Qt::transparent);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void IconCanvas::rectangle(int x, int y, int largeur, int hauteur, const QColor& fond, const QColor& trait) {
    if (fond.isValid()) painter_.fillRect(x, y, largeur, hauteur, fond);
    if (trait.isValid()) {
        choisir(painter_, {}, trait);
        painter_.drawRect(x, y, largeur - 1, hauteur - 1);
    }
}

void IconCanvas::ellipse(int x, int y, int largeur, int hauteur, const QColor& fond, const QColor& trait) {
    choisir(painter_, fond, trait.isValid() ? trait : fond);
    painter_.drawEllipse(x, y, largeur - 1, hauteur - 1);
}

void IconCanvas::polygone(std::initializer_list<QPoint> points, const QColor& fond, const QColor& trait) {
    choisir(painter_, fond, trait.isValid() ? trait : fond);
    painter_.drawPolygon(QPolygon(QList<QPoint>(points)));
}

void IconCanvas::trou(int x, int y, int largeur, int hauteur, const QColor& trait) {
    painter_.setCompositionMode(QPainter::CompositionMode_Clear);
    choisir(painter_, vga::Noir, vga::Noir);
    painter_.drawEllipse(x, y, largeur - 1, hauteur - 1);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (trait.isValid()) {
        choisir(painter_, {}, trait);
        painter_.drawEllipse(x, y, largeur - 1, hauteur - 1);
    }
}

void IconCanvas::ligne(int x1, int y1, int x2, int y2, const QColor& couleur) {
    choisir(painter_, {}, couleur);
    painter_.drawLine(x1, y1, x2, y2);
}

void IconCanvas::pixel(int x, int y, const QColor& couleur) {
    choisir(painter_, {}, couleur);
    painter_.drawPoint(x, y);
}

void IconCanvas::motif(int x, int y, std::initializer_list<const char*> lignes) {
    int ligne = y;
    for (const char* texte : lignes) {
        for (int colonne = 0; texte[colonne] != '\0'; ++colonne) {
            const QColor couleur = couleurDuMotif(texte[colonne]);
            if (couleur.isValid()) pixel(x + colonne, ligne, couleur);
        }
        ++ligne;
    }
}

QImage IconCanvas::image() {
    if (painter_.isActive()) painter_.end();
    return image_;
}
