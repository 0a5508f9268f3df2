#include "PanneauImage.h"

#include "platform/widgets/WidgetGeometry.h"

#include <QLabel>
#include <QScrollArea>

namespace {
constexpr QPoint PLACE_IMAGE(30, 150);        // twips, Image2 in the panel
constexpr QSize TAILLE_DE_DESSIN(4530, 1815); // twips, Image2 before any picture
} // namespace

PanneauImage::PanneauImage(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("FR_Image"));
    colorerFond(*this, Qt::black);

    défilement = new QScrollArea(this);
    défilement->setObjectName(QStringLiteral("défilement"));
    défilement->setFrameShape(QFrame::NoFrame);
    défilement->setWidgetResizable(false);
    colorerFond(*défilement, Qt::black);
    colorerFond(*défilement->viewport(), Qt::black);
    Image2 = new QLabel;
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->resize(twipsToPixels(TAILLE_DE_DESSIN));
    défilement->setWidget(Image2);
    défilement->move(twipsToPixels(PLACE_IMAGE));
    hide();
}

void PanneauImage::setImage(const QImage& image) {
    image_ = image;
    if (image.isNull()) {
        Image2->clear();
        Image2->resize(twipsToPixels(TAILLE_DE_DESSIN));
        return;
    }
    Image2->setPixmap(QPixmap::fromImage(image));
    Image2->resize(image.size());
}

QSize PanneauImage::placeNécessaire() const {
    const QPoint place = twipsToPixels(PLACE_IMAGE);
    return Image2->size() + QSize(place.x(), place.y());
}

void PanneauImage::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    const QPoint place = twipsToPixels(PLACE_IMAGE);
    défilement->resize(std::max(0, width() - place.x()), std::max(0, height() - place.y()));
}
