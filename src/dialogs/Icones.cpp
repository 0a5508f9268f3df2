#include "Icones.h"

#include "GrilleIcones.h"

#include "platform/widgets/VbColour.h"
#include "platform/widgets/WidgetGeometry.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr std::uint32_t BLEU_PÂLE = 0x00FFC0C0;
}

Icones::Icones(qint16& Icône_Choisie, QWidget* parent, const BitmapResources& bitmaps)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), icôneChoisie_(Icône_Choisie) {
    setObjectName(QStringLiteral("Icônes"));
    setWindowTitle(QStringLiteral("Choix d'une icône"));
    setFixedSize(twipsToPixels(QSize(LARGEUR_CHOIX_ICÔNES, HAUTEUR_CHOIX_ICÔNES)));
    définirFond(vbColour(BLEU_PÂLE));

    icôneChoisie_ = -1;
    // The two bitmaps are read again at each loading; one that cannot be read leaves its cell empty.
    for (int numéro = 0; numéro < NOMBRE_ICÔNES; ++numéro)
        images_[numéro] = numéro == 31   ? imageRessource(bitmaps.image31)
                          : numéro == 32 ? imageRessource(bitmaps.image32)
                                         : Image_Icône(numéro);
}

void Icones::définirFond(const QColor& couleur) {
    colorerFond(*this, couleur);
}

void Icones::placer(int gaucheTwips, int hautTwips) {
    move(twipsToPixels(QPoint(gaucheTwips, hautTwips)));
}

QPixmap Icones::image(int numéro) const {
    if (numéro < 0 || numéro >= NOMBRE_ICÔNES) return {};
    return images_[numéro];
}

int Icones::icôneSous(const QPoint& point) const {
    for (int numéro = 0; numéro < NOMBRE_ICÔNES; ++numéro)
        if (twipsToPixels(celluleIcône(numéro)).contains(point)) return numéro;
    return -1;
}

void Icones::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    for (const QLine& ligne : lignesDeSéparation())
        painter.drawLine(twipsToPixels(ligne.p1()), twipsToPixels(ligne.p2()));
    painter.drawRect(twipsToPixels(bordureDeLaGrille()).adjusted(0, 0, -1, -1));
    for (int numéro = 0; numéro < NOMBRE_ICÔNES; ++numéro)
        painter.drawPixmap(twipsToPixels(celluleIcône(numéro)), images_[numéro]);
}

void Icones::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) appui_ = icôneSous(event->position().toPoint());
}

void Icones::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // On the panel a double click closes at once; on a picture it is one more click.
    if (icôneSous(event->position().toPoint()) < 0)
        reject();
    else
        mousePressEvent(event);
}

void Icones::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int appui = appui_;
    appui_ = AUCUN_APPUI;
    // A click is a press and a release on the same picture, or both on the panel.
    if (appui == AUCUN_APPUI || icôneSous(event->position().toPoint()) != appui) return;
    if (appui >= 0) {
        icôneChoisie_ = static_cast<qint16>(appui);
        accept();
    } else {
        reject();
    }
}
