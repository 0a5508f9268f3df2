#pragma once

// The memos the kill test's child saves over and over (ecrivain_en_boucle). Each save is one version:
// save `rang` of the child started as run `passage`, of memo `mémo`. Every version has a record and a
// picture of its own, of varying sizes, so that the test tells each one from all the others.
#include "store/FicheMnemo.h"

#include <QImage>
#include <QString>

inline constexpr int NB_MNÉMOS_EN_BOUCLE = 3;
inline constexpr int MNÉMO_PROTÉGÉ_EN_BOUCLE = 1; // saved with a password: its text is scrambled
inline const QString MOT_DE_PASSE_EN_BOUCLE = QStringLiteral("clé");

struct Version_Mnémo {
    int mémo = 0;
    int passage = 0;
    int rang = 0;
    bool operator==(const Version_Mnémo&) const = default;
};

inline QString nomEnBoucle(int mémo) {
    return QStringLiteral("10122026_4000%1").arg(mémo);
}

// As handed to Écrire_Mnémo: text in clear, the clear password in MdP.
inline Fiche_Mnémo ficheDeVersion(const Version_Mnémo& v) {
    const QString étiquette = QStringLiteral("%1/%2/%3").arg(v.mémo).arg(v.passage).arg(v.rang);
    Fiche_Mnémo f;
    f.Alarme = v.rang % 2 == 0;
    f.Beep = v.passage % 2 == 0;
    f.Couleur = (v.passage * 1000 + v.rang) % 16777216;
    f.Heure = QStringLiteral("09:30");
    f.Icône = static_cast<qint16>(v.rang % 40);
    f.Jour = QStringLiteral("10/12/2026");
    f.Message = QStringLiteral("Version ") + étiquette;
    f.Gauche = 100 * v.passage;
    f.Haut = 50 * v.rang;
    f.Hauteur = 4515;
    f.Largeur = 3600;
    for (int ligne = 0; ligne <= (v.passage * 7 + v.rang * 3) % 40; ++ligne)
        f.Texte += QStringLiteral("Ligne %1 de la version %2 : déjà 5 €\n").arg(ligne).arg(étiquette);
    f.Titre = QStringLiteral("Mnémo %1").arg(v.mémo);
    f.Police = QStringLiteral("MS Sans Serif");
    f.Taille = 10;
    f.Gras = -1;
    if (v.mémo == MNÉMO_PROTÉGÉ_EN_BOUCLE) f.MdP = MOT_DE_PASSE_EN_BOUCLE;
    return f;
}

inline QImage imageDeVersion(const Version_Mnémo& v) {
    const int largeur = 40 + (v.passage * 13 + v.rang * 7) % 160;
    const int hauteur = 30 + (v.passage * 5 + v.rang * 3) % 90;
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(qRgb(v.mémo * 100 % 256, v.passage * 5 % 256, v.rang * 17 % 256));
    for (int x = 0; x < largeur; ++x)
        image.setPixel(x, (x + v.rang) % hauteur, qRgb(255, x % 256, v.passage % 256));
    return image;
}
