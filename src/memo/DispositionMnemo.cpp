#include "DispositionMnemo.h"

namespace {
constexpr int MARGE_HAUTEUR_SANS_LÉGENDE = 110;
constexpr int MARGE_HAUTEUR_AVEC_LÉGENDE = 340;
constexpr int MARGE_LARGEUR = 150;
constexpr int MARGE_TEXTE_LARGEUR = 390;
constexpr int MARGE_TEXTE_HAUTEUR = 780 + 240;
constexpr int MARGE_OPTIONS_HAUTEUR = 700 + 240;

void fixer(int& taille, int valeur) {
    if (valeur >= 0) taille = valeur;
}
} // namespace

Tailles_Mnémo Disposer_Mnémo(int hauteur, int largeur, bool avecLégende, Tailles_Mnémo t) {
    fixer(t.FR_Mnémo_Hauteur,
          hauteur - (avecLégende ? MARGE_HAUTEUR_AVEC_LÉGENDE : MARGE_HAUTEUR_SANS_LÉGENDE));
    fixer(t.FR_Mnémo_Largeur, largeur - MARGE_LARGEUR);
    fixer(t.TX_Mnémo_Largeur, t.FR_Mnémo_Largeur - MARGE_TEXTE_LARGEUR);
    fixer(t.TX_Mnémo_Hauteur, t.FR_Mnémo_Hauteur - MARGE_TEXTE_HAUTEUR);
    fixer(t.FR_Options_Largeur, t.FR_Mnémo_Largeur);
    fixer(t.FR_Options_Hauteur, t.FR_Mnémo_Hauteur - MARGE_OPTIONS_HAUTEUR);
    return t;
}
