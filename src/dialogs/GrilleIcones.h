#pragma once

#include <QLine>
#include <QList>
#include <QRect>

// The layout of the icon chooser, in twips from its top left corner.

inline constexpr int LARGEUR_CHOIX_ICÔNES = 1620;
inline constexpr int HAUTEUR_CHOIX_ICÔNES = 6495;

// The cell that shows picture n (480 × 480 twips); an empty rectangle for a number outside the set.
QRect celluleIcône(int numéro);

// The thin lines between the cells, and the border around them.
QList<QLine> lignesDeSéparation();
QRect bordureDeLaGrille();
