#include "GrilleIcones.h"

#include <array>

namespace {

constexpr int CÔTÉ_CELLULE = 480;
constexpr int RANGÉES = 12;
constexpr int COLONNES = 3;

// Picture numbers by row, left to right (rows 6, 7, 8 and 10 are not in plain order).
constexpr std::array<std::array<int, COLONNES>, RANGÉES> NUMÉROS = {{{0, 1, 2},
                                                                     {3, 4, 5},
                                                                     {6, 7, 8},
                                                                     {9, 10, 11},
                                                                     {12, 13, 14},
                                                                     {15, 16, 17},
                                                                     {18, 20, 19},
                                                                     {21, 23, 22},
                                                                     {24, 26, 25},
                                                                     {27, 28, 29},
                                                                     {30, 35, 34},
                                                                     {31, 32, 33}}};

constexpr std::array<int, RANGÉES> HAUTS = {0,    540,  1080, 1620, 2160, 2700,
                                            3240, 3780, 4320, 4860, 5420, 5980};
constexpr std::array<int, COLONNES> GAUCHES = {0, 540, 1080};
constexpr std::array<int, COLONNES> GAUCHES_DERNIÈRE_RANGÉE = {20, 560, 1100};
constexpr int HAUT_ICÔNE_4 = 510;

constexpr std::array<int, RANGÉES> LIGNES_HORIZONTALES = {510,  1050, 1590, 2160, 2700, 3240,
                                                          3780, 4320, 4860, 5400, 5940, 6480};
constexpr int FIN_LIGNES = 1590;
constexpr int FIN_PREMIÈRE_LIGNE = 1560;
constexpr std::array<int, 2> LIGNES_VERTICALES = {510, 1050};
constexpr int LARGEUR_BORDURE = 1570;

} // namespace

QRect celluleIcône(int numéro) {
    for (int rangée = 0; rangée < RANGÉES; ++rangée)
        for (int colonne = 0; colonne < COLONNES; ++colonne) {
            if (NUMÉROS[rangée][colonne] != numéro) continue;
            const int gauche = rangée == RANGÉES - 1 ? GAUCHES_DERNIÈRE_RANGÉE[colonne] : GAUCHES[colonne];
            const int haut = numéro == 4 ? HAUT_ICÔNE_4 : HAUTS[rangée];
            return {gauche, haut, CÔTÉ_CELLULE, CÔTÉ_CELLULE};
        }
    return {};
}

QList<QLine> lignesDeSéparation() {
    QList<QLine> lignes;
    for (const int y : LIGNES_HORIZONTALES)
        lignes << QLine(0, y, y == LIGNES_HORIZONTALES.front() ? FIN_PREMIÈRE_LIGNE : FIN_LIGNES, y);
    for (const int x : LIGNES_VERTICALES)
        lignes << QLine(x, 0, x, LIGNES_HORIZONTALES.back());
    return lignes;
}

// Down to the foot of the panel, where it meets the line under the last row.
QRect bordureDeLaGrille() {
    return {0, 0, LARGEUR_BORDURE, HAUTEUR_CHOIX_ICÔNES};
}
