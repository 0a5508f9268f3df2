#pragma once

#include <QString>

class Platform;

// The critical box with a platform error's text (ErreursPlateforme.h), captioned "erreur " and its number.
void Afficher_Erreur(Platform& plateforme, int numéro, const QString& description);
