#include "Lanceur.h"

#include "platform/widgets/BoiteErreur.h"
#include "platform/widgets/Platform.h"

#include <QAction>
#include <QMenu>

namespace {
// A caption read from the launcher file may be of any length; the menu shows a line of it, as a wider menu
// would pass what the screen and the display server take.
constexpr int LONGUEUR_LÉGENDE_MONTRÉE = 200;
const char* const PROPRIÉTÉ_LÉGENDE = "legende"; // the whole caption, kept beside the text shown
} // namespace

Lanceur::Lanceur(QMenu& menu, std::function<void(int)> choisi) : menu_(menu), choisi_(std::move(choisi)) {
    créer(QStringLiteral("Lancer"), QString())->setVisible(false);
}

QAction* Lanceur::créer(const QString& légende, const QString& ligneCommande) {
    const int index = nombre();
    QAction* action = menu_.addAction(légende.size() <= LONGUEUR_LÉGENDE_MONTRÉE
                                          ? légende
                                          : légende.left(LONGUEUR_LÉGENDE_MONTRÉE) + QChar(0x2026));
    action->setProperty(PROPRIÉTÉ_LÉGENDE, légende);
    action->setObjectName(QStringLiteral("Mnu_Lancer_%1").arg(index));
    action->setData(ligneCommande);
    QObject::connect(action, &QAction::triggered, &menu_, [choisi = choisi_, index] {
        if (choisi) choisi(index);
    });
    éléments_.append(action);
    return action;
}

int Lanceur::ajouter(const QString& légende, const QString& ligneCommande) {
    if (nombre() >= NOMBRE_MAX) return -1;
    créer(légende, ligneCommande);
    return nombre() - 1;
}

QAction* Lanceur::élément(int index) const {
    return index >= 0 && index < nombre() ? éléments_[index] : nullptr;
}

QString Lanceur::légende(int index) const {
    const QAction* action = élément(index);
    return action ? action->property(PROPRIÉTÉ_LÉGENDE).toString() : QString();
}

QString Lanceur::Tag(int index) const {
    const QAction* action = élément(index);
    return action ? action->data().toString() : QString();
}

void Lanceur::lancer(int index, Platform& plateforme, QWidget& propriétaire) const {
    const StartResult résultat = plateforme.startProgram(Tag(index));
    if (résultat.ok()) return;
    plateforme.beep();
    Afficher_Erreur(plateforme, propriétaire, résultat.error, résultat.description);
}
