#include "BoiteErreur.h"

#include "Platform.h"

void Afficher_Erreur(Platform& plateforme, int numéro, const QString& description) {
    plateforme.messageBox(description, MessageButtons::Ok, MessageIcon::Critical,
                          QStringLiteral("erreur ") + QString::number(numéro));
}
