#include "Lanceur.h"

#include "platform/widgets/BoiteErreur.h"
#include "platform/widgets/Platform.h"

#include <QAction>
#include <QMenu>

Lanceur::Lanceur(QMenu& menu, std::function<void(int)> choisi) : menu_(menu), choisi_(std::move(choisi)) {
    créer(QStringLiteral("Lancer"), QString())->setVisible(false);
}

QAction* Lanceur::créer(const QString& légende, const QString& ligneCommande) {
    const int index = nombre();
    QAction* action = menu_.addAction(légende);
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
    return action ? action->text() : QString();
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
