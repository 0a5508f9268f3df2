#pragma once

#include <QLineEdit>

#include <algorithm>

// The limit Qt gives a line box that sets none.
inline constexpr int LONGUEUR_ZONE_QT = 32767;

// A box's length limit only stops typing: a longer text given to it (read from a file, handed over by
// another window) shows whole, and the user can still shorten it.
inline void remplirSansCouper(QLineEdit& zone, const QString& texte, int limite) {
    zone.setMaxLength(std::max(limite, static_cast<int>(texte.size())));
    zone.setText(texte);
}
