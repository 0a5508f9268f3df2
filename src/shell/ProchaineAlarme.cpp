// The alarm timer: arming, raising an alarm, and the "Alarme" button.
#include "FrmUtilitaires.h"

#include "dialogs/SaisieAppels.h"
#include "platform/core/ApplicationTitle.h"
#include "store/AlarmesMnemo.h"
#include "store/ChampsAlarme.h"

namespace {
const QString LÉGENDE_ERREUR_SAISIE = QStringLiteral("Erreur de saisie");
} // namespace

void FrmUtilitaires::Prochaine_Alarme() {
    Timer1.Prochaine_Alarme();
}

void FrmUtilitaires::Sonner_Alarme(const Ligne_Alarme& alarme) {
    if (alarme.Beep) plateforme.alarmBeep();
    plateforme.messageBox(*this, alarme.Message, MessageButtons::Ok, MessageIcon::Exclamation, alarme.Heure);
    if (!Programme_À_Lancer(alarme.PRG)) return;
    const StartResult lancé = plateforme.startProgram(alarme.PRG);
    if (lancé.ok()) return;
    plateforme.beep();
    plateforme.messageBox(*this, lancé.description, MessageButtons::Ok, MessageIcon::Critical,
                          QStringLiteral("erreur : ") + QString::number(lancé.error));
}

void FrmUtilitaires::Command3_Click() {
    Table_Alarmes& table = contexte.alarmes;
    Échange_Saisie& saisie = contexte.saisie;
    const int armée = table.Alarme_Index;
    const QString tag = Timer1.Tag();
    const QDateTime maintenant = plateforme.now();

    saisie.Saisie_Heure = Timer1.Enabled() ? table[armée].Heure : Écrire_Heure(maintenant.time());
    saisie.Saisie_Jour = Écrire_Jour(maintenant.date());
    saisie.Saisie_Message = Timer1.Enabled() ? table[armée].Message : QString();
    // Closing the dialog by its frame is no "Valider", whatever an earlier use left.
    saisie.Saisie_Validée = false;
    réglerAlarme(plateforme, *this, saisie);
    // The alarm shown may have rung while the dialog was open: what follows is about the one it showed.
    const bool toujoursArmée = Timer1.Enabled() && table.Alarme_Index == armée;

    if (!saisie.Saisie_Validée) {
        if (!toujoursArmée) return;
        plateforme.beep();
        if (plateforme.messageBox(*this, QStringLiteral("Voulez-vous déactiver cette alarme ?"),
                                  MessageButtons::YesNo, MessageIcon::Question, tag) != vbYes)
            return;
        // Silenced for today only: the memo's other days, and the other alarms, still ring.
        table[armée].Sonnée = plateforme.now().date();
        Prochaine_Alarme();
        return;
    }

    const std::optional<QTime> heure = Lire_Heure(saisie.Saisie_Heure);
    if (!heure) {
        plateforme.beep();
        plateforme.messageBox(*this, QStringLiteral("Format de l'heure : HH:MM"), MessageButtons::Ok,
                              MessageIcon::Exclamation, LÉGENDE_ERREUR_SAISIE);
        return;
    }
    const Inscription_Alarme réglée = Régler_Alarme(table, toujoursArmée ? armée : 0, *heure,
                                                    saisie.Saisie_Message.trimmed(), plateforme.now());
    if (réglée.tablePleine)
        plateforme.messageBox(*this, MESSAGE_RÉGLAGE_REFUSÉ, MessageButtons::Ok, MessageIcon::Exclamation,
                              titreApplication());
    Prochaine_Alarme();
}
