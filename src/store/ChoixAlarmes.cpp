#include "ChoixAlarmes.h"

#include "ChampsAlarme.h"

#include <algorithm>

namespace {

QTime minute(const QTime& heure) {
    return QTime(heure.hour(), heure.minute());
}

} // namespace

std::optional<QTime> Minute_Du_Jour(const Ligne_Alarme& ligne, const QDate& jour) {
    if (ligne.Sonnée == jour) return std::nullopt;
    if (!Tous_Les_Jours(ligne.Jour) && Lire_Jour(ligne.Jour) != jour) return std::nullopt;
    return Lire_Heure(ligne.Heure);
}

int Choisir_Prochaine_Alarme(const Table_Alarmes& table, const QDateTime& maintenant) {
    const QTime actuelle = minute(maintenant.time());
    int choisie = 0;
    QTime heureChoisie;
    for (int i = 1; i <= table.Nb_Alarmes; ++i) {
        const std::optional<QTime> heure = Minute_Du_Jour(table[i], maintenant.date());
        if (!heure || *heure <= actuelle) continue;
        if (choisie == 0 || *heure < heureChoisie) {
            choisie = i;
            heureChoisie = *heure;
        }
    }
    return choisie;
}

QList<int> Alarmes_Dues(const Table_Alarmes& table, const QDate& jour, std::optional<QTime> après,
                        const QTime& jusquà) {
    struct Due {
        QTime heure;
        int ligne;
    };
    QList<Due> dues;
    for (int i = 1; i <= table.Nb_Alarmes; ++i) {
        const std::optional<QTime> heure = Minute_Du_Jour(table[i], jour);
        if (!heure || *heure > jusquà || (après && *heure <= *après)) continue;
        dues.append({*heure, i});
    }
    std::stable_sort(dues.begin(), dues.end(), [](const Due& a, const Due& b) { return a.heure < b.heure; });
    QList<int> lignes;
    for (const Due& due : dues)
        lignes << due.ligne;
    return lignes;
}
