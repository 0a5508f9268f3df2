// Pictures 0 to 14 of the icon set: things found on a desk and in a house.

#include "IconDrawings.h"
#include "IconPainting.h"

#include <cmath>
#include <numbers>

namespace {

using namespace vga;

QImage note() {
    IconCanvas t;
    t.polygone({{3, 3}, {28, 3}, {28, 22}, {22, 28}, {3, 28}}, Jaune, Noir);
    t.polygone({{22, 28}, {22, 22}, {28, 22}}, Olive, Noir);
    for (int y : {9, 13, 17})
        t.ligne(7, y, 24, y, Bleu);
    t.ligne(7, 21, 18, 21, Bleu);
    t.ligne(3, 4, 3, 27, Noir);
    t.rectangle(14, 1, 4, 4, Rouge, Bordeaux);
    return t.image();
}

QImage punaise() {
    IconCanvas t;
    t.rectangle(15, 20, 2, 11, Gris);
    t.ligne(15, 20, 15, 30, Argent);
    t.ellipse(7, 14, 18, 7, Rouge, Noir);
    t.rectangle(11, 7, 10, 9, Rouge, Noir);
    t.ellipse(8, 2, 16, 7, Rouge, Noir);
    t.ligne(13, 9, 13, 14, Blanc);
    t.ligne(11, 4, 14, 4, Blanc);
    t.ligne(20, 17, 22, 17, Bordeaux);
    return t.image();
}

QImage étoile() {
    IconCanvas t;
    QList<QPoint> points;
    for (int k = 0; k < 10; ++k) {
        const double angle = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        const double rayon = k % 2 == 0 ? 15.5 : 6.5;
        points << QPoint(static_cast<int>(std::lround(15.5 + rayon * std::cos(angle))),
                         static_cast<int>(std::lround(16.5 + rayon * std::sin(angle))));
    }
    t.painter().setPen(QPen(Noir, 1));
    t.painter().setBrush(Jaune);
    t.painter().drawPolygon(QPolygon(points));
    t.ligne(15, 5, 13, 11, Blanc);
    return t.image();
}

QImage cœur() {
    IconCanvas t;
    QList<QPoint> points;
    for (int k = 0; k < 64; ++k) {
        const double a = 2 * std::numbers::pi * k / 64;
        const double x = 16 * std::pow(std::sin(a), 3);
        const double y = 13 * std::cos(a) - 5 * std::cos(2 * a) - 2 * std::cos(3 * a) - std::cos(4 * a);
        points << QPoint(static_cast<int>(std::lround(15.5 + x * 0.9)),
                         static_cast<int>(std::lround(14.0 - y * 0.9)));
    }
    t.painter().setPen(QPen(Bordeaux, 1));
    t.painter().setBrush(Rouge);
    t.painter().drawPolygon(QPolygon(points));
    t.rectangle(7, 7, 2, 3, Blanc);
    t.pixel(9, 6, Blanc);
    return t.image();
}

QImage horloge() {
    IconCanvas t;
    t.ellipse(1, 1, 30, 30, Bleu, Noir);
    t.ellipse(4, 4, 24, 24, Blanc, Noir);
    t.rectangle(15, 6, 2, 3, Noir);
    t.rectangle(15, 23, 2, 3, Noir);
    t.rectangle(6, 15, 3, 2, Noir);
    t.rectangle(23, 15, 3, 2, Noir);
    t.ligne(15, 16, 10, 11, Noir);
    t.ligne(16, 16, 11, 11, Noir);
    t.ligne(16, 15, 21, 8, Noir);
    t.ligne(16, 16, 22, 8, Noir);
    t.ligne(16, 16, 16, 24, Rouge);
    t.rectangle(15, 15, 2, 2, Rouge);
    return t.image();
}

QImage cloche() {
    IconCanvas t;
    t.ellipse(14, 1, 5, 5, Olive, Noir);
    t.polygone({{13, 5},
                {19, 5},
                {22, 7},
                {23, 10},
                {24, 18},
                {25, 21},
                {28, 24},
                {4, 24},
                {7, 21},
                {8, 18},
                {9, 10},
                {10, 7}},
               Jaune, Noir);
    t.ligne(21, 9, 22, 20, Olive);
    t.ligne(22, 19, 24, 22, Olive);
    t.ligne(12, 9, 11, 18, Blanc);
    t.rectangle(3, 24, 27, 3, Olive, Noir);
    t.ellipse(13, 26, 7, 5, Olive, Noir);
    return t.image();
}

QImage téléphone() {
    IconCanvas t;
    t.polygone({{8, 13}, {23, 13}, {29, 28}, {2, 28}}, Rouge, Noir);
    t.ligne(3, 27, 28, 27, Bordeaux);
    t.ellipse(9, 15, 14, 12, Blanc, Noir);
    for (const QPoint p :
         {QPoint(12, 18), QPoint(15, 16), QPoint(19, 18), QPoint(20, 22), QPoint(11, 22), QPoint(16, 25)})
        t.rectangle(p.x(), p.y(), 2, 2, Gris);
    t.ellipse(14, 19, 4, 4, Noir);
    t.ellipse(1, 5, 9, 8, Noir);
    t.ellipse(22, 5, 9, 8, Noir);
    t.rectangle(5, 4, 22, 5, Noir);
    t.ligne(7, 5, 24, 5, Gris);
    return t.image();
}

QImage maison() {
    IconCanvas t;
    t.rectangle(21, 4, 5, 9, Bordeaux, Noir);
    t.rectangle(5, 14, 22, 16, Blanc, Noir);
    t.polygone({{16, 2}, {30, 15}, {1, 15}}, Rouge, Noir);
    t.rectangle(8, 19, 7, 11, Bordeaux, Noir);
    t.pixel(13, 24, Jaune);
    t.rectangle(18, 18, 7, 7, Cyan, Noir);
    t.ligne(21, 18, 21, 24, Noir);
    t.ligne(18, 21, 24, 21, Noir);
    t.ligne(0, 30, 31, 30, VertFonce);
    return t.image();
}

QImage enveloppe() {
    IconCanvas t;
    t.rectangle(2, 7, 28, 19, Blanc, Noir);
    t.polygone({{3, 8}, {28, 8}, {16, 18}, {15, 18}}, Argent);
    t.ligne(2, 7, 15, 18, Noir);
    t.ligne(29, 7, 16, 18, Noir);
    t.ligne(2, 25, 12, 16, Noir);
    t.ligne(29, 25, 19, 16, Noir);
    t.rectangle(23, 10, 5, 4, Rouge);
    return t.image();
}

QImage clé() {
    IconCanvas t;
    t.rectangle(14, 13, 16, 5, Jaune, Noir);
    t.rectangle(21, 17, 3, 5, Jaune, Noir);
    t.rectangle(26, 17, 4, 6, Jaune, Noir);
    t.ellipse(1, 8, 15, 15, Jaune, Noir);
    t.trou(5, 12, 7, 7, Noir);
    t.ligne(15, 16, 29, 16, Olive);
    t.ligne(3, 13, 4, 11, Blanc);
    return t.image();
}

QImage cadenas() {
    IconCanvas t;
    t.ellipse(8, 1, 16, 22, Argent, Noir);
    t.trou(11, 4, 10, 16, Noir);
    t.rectangle(5, 13, 22, 17, Jaune, Noir);
    t.ligne(6, 28, 25, 28, Olive);
    t.ligne(25, 14, 25, 28, Olive);
    t.ellipse(14, 17, 4, 4, Noir);
    t.rectangle(15, 20, 2, 5, Noir);
    return t.image();
}

QImage livre() {
    IconCanvas t;
    t.rectangle(9, 25, 20, 5, Blanc, Noir);
    t.ligne(10, 27, 27, 27, Argent);
    t.rectangle(5, 2, 23, 25, Bleu, Noir);
    t.rectangle(5, 2, 5, 25, BleuMarine, Noir);
    t.ligne(6, 6, 8, 6, Jaune);
    t.ligne(6, 22, 8, 22, Jaune);
    t.rectangle(13, 7, 12, 6, Jaune, Noir);
    t.ligne(15, 9, 22, 9, Noir);
    t.ligne(15, 11, 20, 11, Noir);
    return t.image();
}

QImage crayon() {
    IconCanvas t;
    t.polygone({{7, 20}, {21, 6}, {25, 10}, {11, 24}}, Jaune, Noir);
    t.ligne(9, 22, 23, 8, Olive);
    t.polygone({{21, 6}, {23, 4}, {27, 8}, {25, 10}}, Argent, Noir);
    t.polygone({{23, 4}, {25, 2}, {29, 6}, {27, 8}}, Magenta, Noir);
    t.polygone({{7, 20}, {11, 24}, {2, 29}}, Blanc, Noir);
    t.polygone({{2, 29}, {3, 25}, {6, 28}}, Noir, Noir);
    return t.image();
}

QImage calendrier() {
    IconCanvas t;
    t.rectangle(3, 5, 26, 25, Blanc, Noir);
    t.rectangle(3, 5, 26, 7, Rouge, Noir);
    t.rectangle(8, 2, 3, 6, Argent, Noir);
    t.rectangle(21, 2, 3, 6, Argent, Noir);
    for (int rangée = 0; rangée < 4; ++rangée)
        for (int colonne = 0; colonne < 5; ++colonne)
            t.rectangle(6 + 4 * colonne + colonne, 14 + 4 * rangée, 3, 2, Gris);
    t.rectangle(15, 21, 4, 4, Rouge);
    return t.image();
}

QImage ampoule() {
    IconCanvas t;
    t.ellipse(6, 1, 20, 20, Jaune, Noir);
    t.polygone({{11, 18}, {20, 18}, {19, 22}, {12, 22}}, Jaune, Noir);
    t.ligne(12, 18, 19, 18, Jaune);
    t.ligne(13, 20, 15, 12, Olive);
    t.ligne(18, 20, 16, 12, Olive);
    t.ligne(15, 12, 16, 12, Olive);
    t.ligne(10, 6, 9, 10, Blanc);
    t.ligne(11, 5, 12, 4, Blanc);
    t.rectangle(12, 22, 8, 7, Argent, Noir);
    t.ligne(13, 24, 18, 24, Gris);
    t.ligne(13, 26, 18, 26, Gris);
    t.rectangle(14, 29, 4, 2, Noir);
    return t.image();
}

} // namespace

QImage dessinerObjetsCourants(int numéro) {
    switch (numéro) {
    case 0:
        return note();
    case 1:
        return punaise();
    case 2:
        return étoile();
    case 3:
        return cœur();
    case 4:
        return horloge();
    case 5:
        return cloche();
    case 6:
        return téléphone();
    case 7:
        return maison();
    case 8:
        return enveloppe();
    case 9:
        return clé();
    case 10:
        return cadenas();
    case 11:
        return livre();
    case 12:
        return crayon();
    case 13:
        return calendrier();
    case 14:
        return ampoule();
    default:
        return {};
    }
}
