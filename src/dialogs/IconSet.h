#pragma once

#include <QPixmap>
#include <QString>

// The memo icon set: pictures 0 to 35, 32 × 32 pixels (480 × 480 twips).
inline constexpr int NOMBRE_ICÔNES = 36;
inline constexpr int CÔTÉ_ICÔNE = 32; // pixels
inline constexpr int ICÔNE_VIDE = 33;

// Where pictures 31 and 32 come from: two bitmaps shipped inside the program.
struct BitmapResources {
    QString image31 = QStringLiteral(":/101.bmp");
    QString image32 = QStringLiteral(":/102.bmp");
};

// Picture n of the icon set. Pictures 31 and 32 are read from the program's bitmaps at each call; 33
// is empty (transparent). A number outside the set gives a null pixmap.
QPixmap Image_Icône(int numéro);

// A bitmap stretched to the size of an icon; an empty icon when it cannot be read.
QPixmap imageRessource(const QString& nom);
