#include "BoiteErreur.h"

#include "Platform.h"

void Afficher_Erreur(Platform& plateforme, QWidget& propriétaire, int numéro, const QString& description) {
    plateforme.messageBox(propriétaire, description, MessageButtons::Ok, MessageIcon::Critical,
                          QStringLiteral("erreur ") + QString::number(numéro));
}
