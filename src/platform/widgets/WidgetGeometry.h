#pragma once

#include "Twips.h"

#include <QWidget>

// Places a widget from a twips rectangle relative to its parent.
inline void placerEnTwips(QWidget& widget, int gauche, int haut, int largeur, int hauteur) {
    widget.setGeometry(twipsToPixels(QRect(gauche, haut, largeur, hauteur)));
}

// Fills a widget's background with one colour.
inline void colorerFond(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// A caption that needs more room than its place (a font other than the one it was measured for) grows to
// the right and downwards; it never moves.
inline void agrandirÀSonTexte(QWidget& légende) {
    légende.resize(légende.size().expandedTo(légende.sizeHint()));
}
