#pragma once

#include <QString>

class Platform;
class QWidget;

// The critical box with a platform error's text (ErreursPlateforme.h), captioned "erreur " and its number,
// over the window that met the error.
void Afficher_Erreur(Platform& plateforme, QWidget& propriétaire, int numéro, const QString& description);
