#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Twips: a memo smaller than this on a side can hardly be seen or grabbed.
inline constexpr int CÔTÉ_MINIMAL_MNÉMO = 121;

// The size a memo opened from its record gets: what the record asks (a record may ask for billions of
// twips), at most the screen's available area and at least CÔTÉ_MINIMAL_MNÉMO twips on a side. Pixels.
QSize Borner_Taille(const QSize& voulue, const QSize& disponible);

// A window that lies wholly outside every screen (a monitor removed, a smaller resolution) is moved onto
// the nearest screen, keeping its size; one that shows even partly stays where it is.
QRect Ramener_Sur_Écran(const QRect& fenêtre, const QList<QRect>& écrans);

// The picture and options panels keep the window in the screen's available area: a bottom edge below
// the area's moves up onto it, and the top never goes above the area's top (a window taller than the
// area keeps its top on it). Horizontally, when asked, the same with the right and left edges.
QRect Garder_Sur_Écran(QRect fenêtre, const QRect& zone, bool horizontalement);
