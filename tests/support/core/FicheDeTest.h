#pragma once

#include "store/FicheMnemo.h"
#include "store/TableAlarmes.h"

// A memo's record as the tests of the program write it to its folder: a usual place and size, a light
// colour and a font that every test machine has; an every-day alarm at noon, ticked by whoever wants it,
// with no program.
inline Fiche_Mnémo ficheDeTest(const QString& titre, const QString& texte, bool ouvert) {
    Fiche_Mnémo fiche;
    fiche.Titre = titre;
    fiche.Texte = texte;
    fiche.Ouvert = ouvert;
    fiche.Fermé = !ouvert;
    fiche.Heure = QStringLiteral("12:00");
    fiche.Jour = QStringLiteral("__\\__\\____");
    fiche.PRG = PRG_AUCUN;
    fiche.Gauche = 1500;
    fiche.Haut = 1500;
    fiche.Hauteur = 4500;
    fiche.Largeur = 4000;
    fiche.Couleur = 0x00C0FFFF;
    fiche.Police = QStringLiteral("DejaVu Sans");
    fiche.Taille = 10;
    fiche.Icône = 3;
    return fiche;
}
