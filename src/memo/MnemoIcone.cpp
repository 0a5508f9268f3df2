// The memo icon: the chooser on the left button, the popup menu on the right one.
#include "Mnemo.h"

#include "dialogs/Icones.h"

#include <QFrame>
#include <QMenu>

namespace {
constexpr int DÉCALAGE_CHOIX_GAUCHE = 120;
constexpr int DÉCALAGE_CHOIX_HAUT = 750 + 240;
} // namespace

void Mnemo::Image1_MouseDown(Qt::MouseButton bouton) {
    if (bouton == Qt::RightButton) {
        contexte.plateforme.popupMenu(*Mnu_Mnémo, contexte.plateforme.cursorPosition());
        return;
    }
    if (bouton != Qt::LeftButton) return;

    Icônes choix(contexte.Icône_Choisie, this);
    choix.définirFond(FR_Mnémo->palette().color(QPalette::Window));
    choix.placer(Left() + DÉCALAGE_CHOIX_GAUCHE, Top() + DÉCALAGE_CHOIX_HAUT);
    contexte.Icône_Choisie = static_cast<qint16>(Image1_Tag.isEmpty() ? 0 : Image1_Tag.toInt());
    contexte.plateforme.execDialog(*this, choix);
    if (contexte.Icône_Choisie >= 0) Choisir_Icône(contexte.Icône_Choisie);
    Modifié = true;
}
