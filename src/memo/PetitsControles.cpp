#include "PetitsControles.h"

#include "platform/widgets/Twips.h"
#include "platform/widgets/WidgetGeometry.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

BoutonAppelMenu::BoutonAppelMenu(QWidget* parent) : QWidget(parent) {
    attenteClic_.setSingleShot(true);
    attenteClic_.setInterval(QApplication::doubleClickInterval());
    QObject::connect(&attenteClic_, &QTimer::timeout, [this] { cliquerMaintenant(); });
}

void BoutonAppelMenu::cliquerMaintenant() {
    attenteClic_.stop();
    if (clic) clic(positionClic_);
}

void BoutonAppelMenu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // The small bar, at 45, 105, 165 × 45 twips.
    p.fillRect(twipsToPixels(QRect(45, 105, 165, 45)), palette().color(QPalette::WindowText));
    if (enfoncé_) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void BoutonAppelMenu::mousePressEvent(QMouseEvent*) {
    enfoncé_ = true;
    update();
}

void BoutonAppelMenu::mouseReleaseEvent(QMouseEvent* event) {
    const bool étaitEnfoncé = enfoncé_;
    enfoncé_ = false;
    update();
    if (aprèsDoubleClic_) {
        aprèsDoubleClic_ = false;
        return;
    }
    if (étaitEnfoncé && rect().contains(event->position().toPoint())) {
        positionClic_ = event->globalPosition().toPoint();
        attenteClic_.start();
    }
}

void BoutonAppelMenu::mouseDoubleClickEvent(QMouseEvent*) {
    attenteClic_.stop();
    enfoncé_ = true;
    aprèsDoubleClic_ = true;
    update();
    if (doubleClic) doubleClic();
}

void ImageCliquable::mousePressEvent(QMouseEvent* event) {
    if (boutonEnfoncé) boutonEnfoncé(event->button());
}

void TitreCliquable::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && clic) clic();
}

CelluleCouleur::CelluleCouleur(QWidget* parent, const QColor& couleur) : QFrame(parent), couleur_(couleur) {
    colorerFond(*this, couleur);
    setLineWidth(1);
    setBordure(true);
}

void CelluleCouleur::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && clic) clic();
}
