#pragma once

#include "platform/core/Clock.h"
#include "store/TableAlarmes.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

// Timer1: arms the next alarm of the day and raises alarms when their minute comes.
//
// While an alarm is armed it wakes at the start of each minute, recomputed from the clock each time. Each
// wake-up raises, one after the other in time order, every alarm of the day whose minute came since the
// last minute it saw and that has not rung that day: a late wake-up, a clock put forward or a machine
// waking from sleep misses no minute, and a clock put back rings nothing twice. Alarms that come due while
// an alarm waits for the user ring when it is closed. Another wake-up at each midnight arms the new day's
// alarms and tells the new day: the only one while nothing is armed.
class Minuterie_Alarmes {
public:
    Minuterie_Alarmes(Clock& horloge, Table_Alarmes& table);
    ~Minuterie_Alarmes();
    Minuterie_Alarmes(const Minuterie_Alarmes&) = delete;
    Minuterie_Alarmes& operator=(const Minuterie_Alarmes&) = delete;

    // Raises one alarm (its sound, its box, its program) and may wait for the user. The row is a copy:
    // the table may change meanwhile.
    std::function<void(const Ligne_Alarme&)> sonner;
    // Once the new day's alarms are armed, at midnight.
    std::function<void()> nouveauJour;

    // Chooses the next alarm of the day from the table and arms it (Alarme_Index), or disarms.
    void Prochaine_Alarme();
    // At shut-down: nothing more wakes it until Prochaine_Alarme runs again.
    void arrêter();

    // An alarm is armed: the row Alarme_Index of the table.
    bool Enabled() const;
    // The armed alarm: its hour followed directly by its message; empty while nothing is armed.
    QString Tag() const;

private:
    // A minute of a day; no time stands before the day's first minute.
    struct Minute {
        QDate jour;
        std::optional<QTime> heure;
    };
    static Minute minuteDe(const QDateTime& moment);
    QList<int> dues(const Minute& maintenant) const;
    void Timer1_Timer();
    void minuit();
    void armerMinuit();
    // Whether jour is later than the day midnight was armed in; if so, the next midnight is armed and the
    // new day told.
    bool changerDeJour(const QDate& jour);

    Clock& horloge_;
    Table_Alarmes& table_;
    std::unique_ptr<SingleShotTimer> veille_; // the start of the next minute, while watching
    std::unique_ptr<SingleShotTimer> minuit_;
    QDate jourDuMinuit_;     // the day whose end minuit_ waits for
    Minute vue_;             // the last minute seen, while watching
    bool surveille_ = false; // minutes are watched from vue_ on
    bool sonne_ = false;     // raising alarms: a box may be waiting for the user
};
