#pragma once

// Twips: the picture and options panels start below the memo's title and icon, which stay in sight.
inline constexpr int HAUT_PANNEAUX = 950;

// The sizes that follow the window's outer size, in twips.
struct Tailles_Mnémo {
    int FR_Mnémo_Hauteur = 0;
    int FR_Mnémo_Largeur = 0;
    int TX_Mnémo_Largeur = 0;
    int TX_Mnémo_Hauteur = 0;
    int FR_Options_Largeur = 0;
    int FR_Options_Hauteur = 0;
    bool operator==(const Tailles_Mnémo&) const = default;
};

// Applies the resize rules in order, each reading what the earlier ones left; a rule that would give a
// negative size is skipped and that size keeps its value.
Tailles_Mnémo Disposer_Mnémo(int hauteur, int largeur, bool avecLégende, Tailles_Mnémo actuelles);
