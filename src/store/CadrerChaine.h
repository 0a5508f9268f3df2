#pragma once

#include <QString>

// Lays a value out in a column: longueur 0 drops its trailing spaces, a longer longueur pads it with
// spaces, a shorter one cuts it. A null value counts as the empty text; a negative longueur gives "".
QString Cadrer_Chaîne(const QString& valeur, qint16 longueur);
