#include "CadrerChaine.h"

QString Cadrer_Chaîne(const QString& valeur, qint16 longueur) {
    if (longueur < 0) return {};
    if (longueur == 0) {
        qsizetype fin = valeur.size();
        while (fin > 0 && valeur.at(fin - 1) == QLatin1Char(' '))
            --fin;
        return valeur.left(fin);
    }
    return valeur.leftJustified(longueur, QLatin1Char(' '), true);
}
