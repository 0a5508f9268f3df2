#include "MinuterieAlarmes.h"

#include "store/ChoixAlarmes.h"

namespace {

QDateTime débutMinuteSuivante(const QDateTime& moment) {
    return QDateTime(moment.date(), QTime(moment.time().hour(), moment.time().minute())).addSecs(60);
}

} // namespace

Minuterie_Alarmes::Minuterie_Alarmes(Clock& horloge, Table_Alarmes& table)
    : horloge_(horloge), table_(table), veille_(horloge.createTimer()), minuit_(horloge.createTimer()) {
    veille_->onTimeout = [this] { Timer1_Timer(); };
    minuit_->onTimeout = [this] { minuit(); };
}

Minuterie_Alarmes::~Minuterie_Alarmes() = default;

Minuterie_Alarmes::Minute Minuterie_Alarmes::minuteDe(const QDateTime& moment) {
    return {moment.date(), QTime(moment.time().hour(), moment.time().minute())};
}

// The alarms due between the last minute seen and now. A clock put back finds none: the minutes it goes
// over again were seen, and what rang then remembers its day.
QList<int> Minuterie_Alarmes::dues(const Minute& maintenant) const {
    if (vue_.jour > maintenant.jour) return {};
    if (vue_.jour < maintenant.jour)
        return Alarmes_Dues(table_, maintenant.jour, std::nullopt, *maintenant.heure);
    if (vue_.heure && *vue_.heure >= *maintenant.heure) return {};
    return Alarmes_Dues(table_, maintenant.jour, vue_.heure, *maintenant.heure);
}

bool Minuterie_Alarmes::Enabled() const {
    return table_.Alarme_Index > 0;
}

QString Minuterie_Alarmes::Tag() const {
    if (!table_.estValide(table_.Alarme_Index)) return {};
    const Ligne_Alarme& armée = table_[table_.Alarme_Index];
    return armée.Heure + armée.Message;
}

void Minuterie_Alarmes::Prochaine_Alarme() {
    const QDateTime maintenant = horloge_.now();
    if (!minuit_->isActive()) armerMinuit();
    table_.Alarme_Index = static_cast<qint16>(Choisir_Prochaine_Alarme(table_, maintenant));
    // Raising alarms goes on until none is due, then arms.
    if (sonne_) return;

    const Minute actuelle = minuteDe(maintenant);
    // Nothing was watched: what came before this minute was never due.
    if (!surveille_) vue_ = actuelle;
    const bool enRetard = !dues(actuelle).isEmpty();
    surveille_ = Enabled() || enRetard;
    if (!surveille_) {
        veille_->stop();
        return;
    }
    veille_->start(enRetard ? maintenant : débutMinuteSuivante(maintenant));
}

void Minuterie_Alarmes::Timer1_Timer() {
    if (sonne_) return;
    sonne_ = true;
    veille_->stop();
    for (;;) {
        const QDateTime maintenant = horloge_.now();
        changerDeJour(maintenant.date());
        const Minute actuelle = minuteDe(maintenant);
        const QList<int> àSonner = dues(actuelle);
        if (àSonner.isEmpty()) {
            vue_ = actuelle;
            break;
        }
        // One at a time, read afresh after each box: the user may have changed the table meanwhile.
        const int ligne = àSonner.constFirst();
        const Ligne_Alarme alarme = table_[ligne];
        table_[ligne].Sonnée = actuelle.jour;
        if (sonner) sonner(alarme);
    }
    sonne_ = false;
    Prochaine_Alarme();
}

void Minuterie_Alarmes::armerMinuit() {
    jourDuMinuit_ = horloge_.now().date();
    minuit_->start(QDateTime(jourDuMinuit_.addDays(1), QTime(0, 0)));
}

bool Minuterie_Alarmes::changerDeJour(const QDate& jour) {
    // A clock put back may wake it before midnight: only a later day is a new one.
    if (jour <= jourDuMinuit_) return false;
    armerMinuit();
    if (nouveauJour) nouveauJour();
    return true;
}

void Minuterie_Alarmes::minuit() {
    const QDate jour = horloge_.now().date();
    if (!changerDeJour(jour)) {
        armerMinuit();
        return;
    }
    // The new day is watched from its start: an alarm at 00:00 is due now, and so are the day's alarms
    // that came while the machine slept.
    if (!surveille_ && !sonne_) {
        vue_ = {jour, std::nullopt};
        surveille_ = true;
    }
    Prochaine_Alarme();
}

void Minuterie_Alarmes::arrêter() {
    veille_->stop();
    minuit_->stop();
    surveille_ = false;
}
