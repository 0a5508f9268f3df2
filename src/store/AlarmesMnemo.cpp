#include "AlarmesMnemo.h"

#include "ChampsAlarme.h"

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
    const Ligne_Alarme avant = table[ligneTag];
    table[ligneTag] = valeurs;
    if (avant.Jour == valeurs.Jour && avant.Heure == valeurs.Heure) table[ligneTag].Sonnée = avant.Sonnée;
    return {ligneTag, false};
}

Inscription_Alarme Inscrire_Alarme(Table_Alarmes& table, const Fiche_Mnémo& fiche) {
    if (!fiche.Alarme) return {};
    return nouvelleLigne(table, Ligne_Depuis_Fiche(fiche));
}

bool Reprendre_Alarmes(Table_Alarmes& nouvelle, const Table_Alarmes& ancienne) {
    const auto mêmeAlarme = [](const Ligne_Alarme& a, const Ligne_Alarme& b) {
        return a.Jour == b.Jour && a.Heure == b.Heure && a.Beep == b.Beep && a.Message == b.Message &&
               a.PRG == b.PRG;
    };
    for (int i = 1; i <= nouvelle.Nb_Alarmes; ++i) {
        for (int j = 1; j <= ancienne.Nb_Alarmes; ++j) {
            const Ligne_Alarme& avant = ancienne[j];
            if (avant.Ponctuelle || !mêmeAlarme(avant, nouvelle[i])) continue;
            QDate& sonnée = nouvelle[i].Sonnée;
            if (avant.Sonnée.isValid() && (!sonnée.isValid() || avant.Sonnée > sonnée)) sonnée = avant.Sonnée;
        }
    }
    bool refusées = false;
    // A row of the button's own rings once: one that rang is done with.
    for (int j = 1; j <= ancienne.Nb_Alarmes; ++j)
        if (ancienne[j].Ponctuelle && !ancienne[j].Sonnée.isValid())
            refusées = nouvelle.ajouter(ancienne[j]) == 0 || refusées;
    return refusées;
}

Inscription_Alarme Régler_Alarme(Table_Alarmes& table, int armée, const QTime& heure, const QString& message,
                                 const QDateTime& maintenant) {
    const QTime minuteActuelle(maintenant.time().hour(), maintenant.time().minute());
    const QDate jour = heure > minuteActuelle ? maintenant.date() : maintenant.date().addDays(1);
    Ligne_Alarme réglée{Écrire_Jour(jour), Écrire_Heure(heure), false, message, QString()};
    réglée.Ponctuelle = true;

    const bool armé = table.estValide(armée);
    // Re-timed once or more, an alarm keeps the beep and the program of the memo alarm it came from.
    if (armé) {
        réglée.Beep = table[armée].Beep;
        réglée.PRG = table[armée].PRG;
    }
    if (armé && table[armée].Ponctuelle) {
        table[armée] = réglée;
        return {armée, false};
    }
    const int ligne = table.ajouter(réglée);
    if (ligne == 0) return {0, true};
    if (armé) table[armée].Sonnée = maintenant.date();
    return {ligne, false};
}
