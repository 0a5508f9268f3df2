#pragma once

#include "platform/widgets/VbColour.h"

#include <QColor>

#include <array>
#include <cmath>
#include <cstdint>

inline constexpr std::uint32_t COULEUR_MNÉMO = 0x00FFFFC0;   // pale cyan, the memo frame
inline constexpr std::uint32_t COULEUR_OPTIONS = 0x00C0FFFF; // light yellow, the options panel
inline constexpr std::uint32_t COULEUR_LÉGENDES = BLEU;      // the captions of the options panel

// The 32 palette cells, red, green, blue.
inline constexpr std::array<std::array<int, 3>, 32> PALETTE_MNÉMO = {{
    {255, 255, 255}, {253, 254, 214}, {255, 255, 192}, {255, 255, 128}, {255, 255, 0},   {255, 224, 192},
    {255, 192, 128}, {255, 128, 128}, {255, 0, 0},     {255, 0, 255},   {255, 128, 255}, {255, 192, 255},
    {221, 254, 255}, {192, 255, 255}, {128, 255, 255}, {0, 255, 255},   {0, 0, 0},       {128, 128, 128},
    {192, 192, 192}, {234, 234, 234}, {228, 236, 179}, {223, 215, 155}, {198, 218, 146}, {215, 255, 222},
    {192, 255, 192}, {128, 255, 128}, {0, 255, 0},     {0, 128, 0},     {0, 128, 128},   {0, 0, 192},
    {0, 0, 255},     {0, 192, 192},
}};

inline QColor couleurPalette(int index) {
    const auto& c = PALETTE_MNÉMO.at(static_cast<std::size_t>(index));
    return QColor(c[0], c[1], c[2]);
}

// Black or white, whichever stands out more against the background: the contrast of relative luminances
// used for readable text on screens.
inline QColor couleurLisibleSur(const QColor& fond) {
    const auto linéaire = [](int composante) {
        const double c = composante / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double l =
        0.2126 * linéaire(fond.red()) + 0.7152 * linéaire(fond.green()) + 0.0722 * linéaire(fond.blue());
    const double contrasteNoir = (l + 0.05) / 0.05;
    const double contrasteBlanc = 1.05 / (l + 0.05);
    return contrasteNoir >= contrasteBlanc ? QColor(Qt::black) : QColor(Qt::white);
}
