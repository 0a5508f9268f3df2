#pragma once

#include <QDate>
#include <QString>

#include <array>

// What an unfilled day and hour hold; a day so left means every day.
inline const QString JOUR_TOUS_LES_JOURS = QStringLiteral("__\\__\\____");
inline const QString HEURE_VIDE = QStringLiteral("__:__");
// The caption of a memo's program button while no program is chosen: the alarm starts nothing.
inline const QString PRG_AUCUN = QStringLiteral("PRG à lancer");

// One memo alarm as the timer sees it. An empty Heure marks the row inactive.
struct Ligne_Alarme {
    QString Jour;
    QString Heure;
    bool Beep = false;
    QString Message;
    QString PRG;
    // The day the row last rang, or was silenced: a row rings at most once a day, and an every-day row
    // rings again the next day.
    QDate Sonnée{};
    // Set by the "Alarme" button: no memo owns the row, so that a rebuild from the memo files keeps it.
    bool Ponctuelle = false;
};

// Whether an alarm names a program to start: neither empty nor the button's unchosen caption.
inline bool Programme_À_Lancer(const QString& PRG) {
    return !PRG.isEmpty() && PRG != PRG_AUCUN;
}

// The alarms of all memos, open or not. Rows 1 to Nb_Alarmes are in use; row 0 is never used.
class Table_Alarmes {
public:
    static constexpr int NB_LIGNES = 1000;
    static constexpr int DERNIÈRE_LIGNE = NB_LIGNES - 1;

    Ligne_Alarme& operator[](int ligne) { return lignes_.at(static_cast<std::size_t>(ligne)); }
    const Ligne_Alarme& operator[](int ligne) const { return lignes_.at(static_cast<std::size_t>(ligne)); }

    bool estPleine() const { return Nb_Alarmes >= DERNIÈRE_LIGNE; }
    bool estValide(int ligne) const { return ligne >= 1 && ligne <= Nb_Alarmes; }

    // Adds a row after the last one and answers its number, or 0 when the table has no room left.
    int ajouter(const Ligne_Alarme& ligne);
    void vider();

    qint16 Nb_Alarmes = 0;
    qint16 Alarme_Index = 0;

private:
    std::array<Ligne_Alarme, NB_LIGNES> lignes_;
};
