#pragma once

#include <QImage>

// The drawn pictures of the icon set, in three groups. Each answers a null image for a number that
// is not in its group.
QImage dessinerObjetsCourants(int numéro); // 0 to 14
QImage dessinerCurseurs(int numéro);       // 15 to 17
QImage dessinerAutresObjets(int numéro);   // 18 to 30, 34 and 35
