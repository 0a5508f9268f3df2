// Pictures 18 to 30, 34 and 35 of the icon set: weather, leisure and office things.

#include "IconDrawings.h"
#include "IconPainting.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

using namespace vga;

QPoint polaire(double cx, double cy, double rayon, double degrés) {
    const double a = degrés * std::numbers::pi / 180;
    return {static_cast<int>(std::lround(cx + rayon * std::cos(a))),
            static_cast<int>(std::lround(cy + rayon * std::sin(a)))};
}

void remplirChemin(IconCanvas& t, const QPainterPath& chemin, const QColor& fond, const QColor& trait) {
    t.painter().setPen(QPen(trait, 1));
    t.painter().setBrush(fond);
    t.painter().drawPath(chemin);
}

QImage drapeau() {
    IconCanvas t;
    t.rectangle(4, 3, 3, 28, Gris, Noir);
    t.ellipse(3, 0, 5, 4, Jaune, Noir);
    t.polygone({{7, 4}, {12, 3}, {17, 5}, {22, 6}, {28, 4}, {28, 17}, {22, 19}, {17, 18}, {12, 16}, {7, 17}},
               Rouge, Noir);
    t.ligne(8, 5, 11, 4, Blanc);
    t.ligne(8, 15, 11, 14, Bordeaux);
    t.ligne(23, 17, 27, 16, Bordeaux);
    return t.image();
}

QImage tasse() {
    IconCanvas t;
    t.ellipse(1, 24, 30, 7, Argent, Noir);
    t.ellipse(19, 13, 10, 10, Blanc, Noir);
    t.trou(22, 16, 4, 4, Noir);
    t.polygone({{4, 11}, {24, 11}, {22, 26}, {6, 26}}, Blanc, Noir);
    t.rectangle(5, 12, 19, 2, Bordeaux);
    t.ligne(21, 15, 20, 24, Argent);
    for (int x : {9, 14, 19}) {
        t.ligne(x, 8, x + 1, 6, Gris);
        t.ligne(x + 1, 5, x, 3, Gris);
    }
    return t.image();
}

QImage noteDeMusique() {
    IconCanvas t;
    t.polygone({{10, 7}, {26, 2}, {26, 7}, {10, 12}}, Noir, Noir);
    t.rectangle(10, 8, 2, 17, Noir);
    t.rectangle(25, 3, 2, 18, Noir);
    t.ellipse(3, 21, 9, 7, Noir);
    t.ellipse(18, 17, 9, 7, Noir);
    t.ligne(5, 23, 6, 22, Gris);
    t.ligne(20, 19, 21, 18, Gris);
    return t.image();
}

QImage sourire() {
    IconCanvas t;
    t.ellipse(1, 1, 30, 30, Jaune, Noir);
    t.ellipse(10, 9, 4, 6, Noir);
    t.ellipse(18, 9, 4, 6, Noir);
    t.painter().setPen(QPen(Noir, 1));
    t.painter().setBrush(Qt::NoBrush);
    t.painter().drawArc(QRect(7, 8, 17, 16), 200 * 16, 140 * 16);
    t.painter().drawArc(QRect(7, 9, 17, 16), 205 * 16, 130 * 16);
    t.ligne(6, 7, 8, 5, Blanc);
    return t.image();
}

QImage soleil() {
    IconCanvas t;
    for (int k = 0; k < 12; ++k) {
        const double angle = k * 30.0;
        t.polygone({polaire(15.5, 15.5, 15.5, angle), polaire(15.5, 15.5, 9, angle - 13),
                    polaire(15.5, 15.5, 9, angle + 13)},
                   k % 2 == 0 ? Rouge : Jaune, Rouge);
    }
    t.ellipse(7, 7, 18, 18, Jaune, Rouge);
    t.ligne(11, 11, 12, 10, Blanc);
    return t.image();
}

QImage lune() {
    IconCanvas t;
    QPainterPath disque;
    disque.addEllipse(QRectF(2, 2, 25, 27));
    QPainterPath ombre;
    ombre.addEllipse(QRectF(10, -1, 25, 27));
    remplirChemin(t, disque.subtracted(ombre), Jaune, Olive);
    t.motif(22, 16,
            {"..Y..", //
             "..Y..", //
             "YYWYY", //
             "..Y..", //
             "..Y.."});
    t.motif(24, 3, {".Y.", "YWY", ".Y."});
    t.motif(17, 25, {".Y.", "YWY", ".Y."});
    return t.image();
}

QImage nuage() {
    IconCanvas t;
    QPainterPath chemin;
    chemin.addEllipse(QRectF(2, 13, 13, 12));
    chemin.addEllipse(QRectF(7, 6, 14, 14));
    chemin.addEllipse(QRectF(16, 9, 12, 12));
    chemin.addEllipse(QRectF(20, 15, 10, 10));
    chemin.addRoundedRect(QRectF(7, 17, 19, 8), 3, 3);
    chemin.setFillRule(Qt::WindingFill);
    remplirChemin(t, chemin.simplified(), Blanc, Noir);
    t.ligne(6, 23, 26, 23, Argent);
    t.ligne(24, 19, 27, 22, Argent);
    t.ligne(10, 9, 12, 8, Argent);
    return t.image();
}

QImage parapluie() {
    IconCanvas t;
    QPainter& p = t.painter();
    const QRect dôme(1, 2, 30, 30);
    for (int k = 0; k < 4; ++k) {
        p.setPen(QPen(Noir, 1));
        p.setBrush(k % 2 == 0 ? Rouge : Blanc);
        p.drawPie(dôme, k * 45 * 16, 45 * 16);
    }
    for (int x : {1, 8, 16, 23})
        t.trou(x, 14, 8, 5);
    t.rectangle(15, 0, 2, 3, Noir);
    t.rectangle(15, 16, 2, 11, Noir);
    p.setPen(QPen(Noir, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(10, 23, 6, 6), 180 * 16, 180 * 16);
    return t.image();
}

QImage cadeau() {
    IconCanvas t;
    t.rectangle(3, 12, 26, 18, Rouge, Noir);
    t.rectangle(2, 8, 28, 6, Rouge, Noir);
    t.rectangle(14, 8, 5, 22, Jaune, Noir);
    t.ligne(4, 14, 27, 14, Bordeaux);
    t.ellipse(7, 1, 10, 8, Jaune, Noir);
    t.trou(10, 3, 4, 4, Noir);
    t.ellipse(16, 1, 10, 8, Jaune, Noir);
    t.trou(19, 3, 4, 4, Noir);
    t.rectangle(14, 5, 5, 4, Olive, Noir);
    return t.image();
}

QImage ciseaux() {
    IconCanvas t;
    t.polygone({{6, 1}, {9, 1}, {20, 17}, {17, 20}}, Argent, Noir);
    t.polygone({{25, 1}, {22, 1}, {11, 17}, {14, 20}}, Argent, Noir);
    t.ligne(8, 3, 17, 16, Blanc);
    t.rectangle(15, 10, 2, 2, Noir);
    t.ellipse(4, 18, 11, 11, Rouge, Noir);
    t.trou(7, 21, 5, 5, Noir);
    t.ellipse(17, 18, 11, 11, Rouge, Noir);
    t.trou(20, 21, 5, 5, Noir);
    return t.image();
}

QImage dossier() {
    IconCanvas t;
    t.polygone({{2, 6}, {11, 6}, {13, 9}, {28, 9}, {28, 27}, {2, 27}}, Olive, Noir);
    t.polygone({{2, 27}, {6, 13}, {31, 13}, {27, 27}}, Jaune, Noir);
    t.ligne(7, 14, 30, 14, Blanc);
    return t.image();
}

QImage disquette() {
    IconCanvas t;
    t.polygone({{2, 2}, {27, 2}, {29, 4}, {29, 29}, {2, 29}}, Bleu, Noir);
    t.rectangle(9, 2, 14, 10, Argent, Noir);
    t.rectangle(17, 4, 3, 6, BleuMarine);
    t.rectangle(6, 16, 20, 13, Blanc, Noir);
    for (int y : {19, 22, 25})
        t.ligne(8, y, 23, y, Gris);
    t.rectangle(3, 26, 2, 2, Noir);
    return t.image();
}

QImage imprimante() {
    IconCanvas t;
    t.rectangle(8, 2, 16, 11, Blanc, Noir);
    for (int y : {5, 8})
        t.ligne(10, y, 21, y, Gris);
    t.rectangle(2, 11, 28, 13, Argent, Noir);
    t.ligne(3, 12, 28, 12, Blanc);
    t.rectangle(6, 19, 20, 2, Noir);
    t.rectangle(24, 14, 3, 2, Vert);
    t.rectangle(7, 20, 18, 10, Blanc, Noir);
    for (int y : {23, 26})
        t.ligne(9, y, 22, y, Gris);
    t.ligne(3, 23, 28, 23, Gris);
    return t.image();
}

QImage loupe() {
    IconCanvas t;
    t.polygone({{18, 21}, {21, 18}, {30, 27}, {27, 30}}, Bordeaux, Noir);
    t.ellipse(2, 2, 21, 21, Gris, Noir);
    t.ellipse(5, 5, 15, 15, Cyan, Noir);
    t.ligne(8, 12, 11, 8, Blanc);
    t.ligne(8, 13, 12, 8, Blanc);
    return t.image();
}

QImage attention() {
    IconCanvas t;
    t.polygone({{15, 1}, {16, 1}, {31, 29}, {0, 29}}, Noir, Noir);
    t.polygone({{15, 5}, {16, 5}, {27, 27}, {4, 27}}, Jaune, Jaune);
    t.polygone({{14, 10}, {17, 10}, {16, 20}, {15, 20}}, Noir, Noir);
    t.rectangle(14, 22, 4, 3, Noir);
    return t.image();
}

} // namespace

QImage dessinerAutresObjets(int numéro) {
    switch (numéro) {
    case 18:
        return drapeau();
    case 19:
        return tasse();
    case 20:
        return noteDeMusique();
    case 21:
        return sourire();
    case 22:
        return soleil();
    case 23:
        return lune();
    case 24:
        return nuage();
    case 25:
        return parapluie();
    case 26:
        return cadeau();
    case 27:
        return ciseaux();
    case 28:
        return dossier();
    case 29:
        return disquette();
    case 30:
        return imprimante();
    case 34:
        return loupe();
    case 35:
        return attention();
    default:
        return {};
    }
}
