#include "AlarmesMnemo.h"

namespace {

Inscription_Alarme nouvelleLigne(Table_Alarmes& table, const Ligne_Alarme& valeurs) {
    const int ligne = table.ajouter(valeurs);
    return {ligne, ligne == 0};
}

} // namespace

Ligne_Alarme Ligne_Depuis_Fiche(const Fiche_Mnémo& fiche) {
    return {fiche.Jour, fiche.Heure, fiche.Beep, fiche.Message, fiche.PRG};
}

Inscription_Alarme Mettre_À_Jour_Alarme(Table_Alarmes& table, int ligneTag, bool coché,
                                        const Ligne_Alarme& valeurs) {
    const bool ligneConnue = table.estValide(ligneTag);
    if (!coché) {
        if (!ligneConnue) return {};
        table[ligneTag].Heure.clear();
        return {ligneTag, false};
    }
    if (!ligneConnue) return nouvelleLigne(table, valeurs);
    table[ligneTag] = valeurs;
    return {ligneTag, false};
}

Inscription_Alarme Inscrire_Alarme(Table_Alarmes& table, const Fiche_Mnémo& fiche) {
    if (!fiche.Alarme) return {};
    return nouvelleLigne(table, Ligne_Depuis_Fiche(fiche));
}
