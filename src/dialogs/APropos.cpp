#include "APropos.h"

#include "platform/widgets/PoliceClassique.h"
#include "platform/widgets/VbColour.h"
#include "platform/widgets/WidgetGeometry.h"

#include <QLabel>

namespace {
constexpr std::uint32_t VERT = 0x0000C000;

QLabel* étiquette(QWidget* parent, const QString& texte, std::uint32_t couleur, QRect twips) {
    auto* label = new QLabel(texte, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, vbColour(couleur));
    label->setPalette(palette);
    placerEnTwips(*label, twips.x(), twips.y(), twips.width(), twips.height());
    return label;
}
} // namespace

A_propos::A_propos(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("A_propos"));
    setWindowTitle(QStringLiteral("A propos"));
    colorerFond(*this, vbColour(ORANGE_PÂLE));
    setFixedSize(twipsToPixels(QSize(3780, 4245)));

    QLabel* nom = étiquette(this, QStringLiteral("Pensoir"), BLEU, QRect(240, 120, 3375, 375));
    nom->setObjectName(QStringLiteral("nom"));
    nom->setFont(policeClassique(13.5));
    agrandirÀSonTexte(*nom);

    QLabel* version = étiquette(this, QStringLiteral("Version 1.20"), VERT, QRect(240, 540, 3375, 285));
    version->setObjectName(QStringLiteral("version"));
    agrandirÀSonTexte(*version);
}
