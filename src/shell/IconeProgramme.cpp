#include "IconeProgramme.h"

#include <QPainter>
#include <QPixmap>

// A sticky note with a folded corner and a pencil stroke, in the sixteen classic colours.
QIcon Icône_Programme() {
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QColor jaune(255, 255, 0), olive(128, 128, 0), noir(0, 0, 0), bleu(0, 0, 128), rouge(255, 0, 0);

    const QPolygon feuille({QPoint(3, 3), QPoint(28, 3), QPoint(28, 21), QPoint(21, 28), QPoint(3, 28)});
    p.setPen(noir);
    p.setBrush(jaune);
    p.drawPolygon(feuille);
    p.setBrush(olive);
    p.drawPolygon(QPolygon({QPoint(28, 21), QPoint(21, 21), QPoint(21, 28)}));

    p.setPen(bleu);
    for (int y = 9; y <= 21; y += 4)
        p.drawLine(7, y, y < 21 ? 24 : 17, y);
    p.setPen(rouge);
    p.drawLine(7, 6, 15, 6);
    p.end();

    QIcon icône;
    icône.addPixmap(image);
    return icône;
}
