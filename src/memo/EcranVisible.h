#pragma once

#include <QList>
#include <QRect>

// A window that lies wholly outside every screen (a monitor removed, a smaller resolution) is moved onto
// the nearest screen, keeping its size; one that shows even partly stays where it is.
QRect Ramener_Sur_Écran(const QRect& fenêtre, const QList<QRect>& écrans);
