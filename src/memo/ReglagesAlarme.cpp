// The alarm settings of the options panel: the checks on leaving the day and the hour, the input dialog
// behind "Régler" and the program chooser behind the program button.
#include "PanneauOptions.h"

#include "ContexteMnemo.h"

#include "dialogs/SaisieAppels.h"
#include "platform/core/ApplicationTitle.h"
#include "store/ChampsAlarme.h"
#include "store/ValeurCitee.h"
#include "store/Windows1252.h"

#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace {

// The day the input dialog gives back, as the field keeps it: written dd/MM/yyyy when it is a day,
// anything else as it came (nothing stays nothing).
QString jourRendu(const QString& saisi) {
    if (const std::optional<QDate> jour = Lire_Jour_En_Tête(saisi)) return Écrire_Jour(*jour);
    return saisi;
}

// The current date and time, day first, as the input dialog opens on them when no day is set.
QString maintenantEnTexte(const QDateTime& maintenant) {
    return Écrire_Jour(maintenant.date()) + QLatin1Char(' ') + maintenant.time().toString(u"HH:mm:ss");
}

} // namespace

void PanneauOptions::brancherAlarme() {
    connect(PB_Régler, &QPushButton::clicked, this, [this] { PB_Régler_Click(); });
    connect(PB_PRG, &QPushButton::clicked, this, [this] { PB_PRG_Click(); });
    suiviDuFocus_ = connect(qApp, &QApplication::focusChanged, this,
                            [this](QWidget*, QWidget* nouveau) { suivreLeFocus(nouveau); });
}

// The fields let go of the focus while they are destroyed: the panel must not hear of it by then.
PanneauOptions::~PanneauOptions() {
    disconnect(suiviDuFocus_);
}

// A field is left when the focus goes from it to another control of this window. The focus going to
// another window (a box, another program) or away with this one (deactivation, closing) leaves nothing,
// and neither does the focus going to a check's box and back: with both fields wrong, giving the focus
// back to one must not check the other.
void PanneauOptions::suivreLeFocus(QWidget* nouveau) {
    if (contrôleEnCours_) return;
    if (!nouveau || nouveau->window() != window()) return;
    QLineEdit* const quitté = champEntré_;
    champEntré_ = nouveau == TX_Jour ? TX_Jour : nouveau == TX_Heure ? TX_Heure : nullptr;
    if (!quitté || quitté == nouveau) return;
    contrôleEnCours_ = true;
    // After the click or key that moved the focus has been handled, not in the middle of it; by then the
    // window may have closed, or the panel given way to another.
    QTimer::singleShot(0, this, [this, quitté] {
        const bool passé = !window()->isVisible() || !isVisible() ||
                           (quitté == TX_Jour ? TX_Jour_LostFocus() : TX_Heure_LostFocus());
        if (passé) {
            // Where the focus went meanwhile, since no move was followed.
            QWidget* focus = window()->focusWidget();
            champEntré_ = focus == TX_Jour ? TX_Jour : focus == TX_Heure ? TX_Heure : nullptr;
        }
        contrôleEnCours_ = false;
    });
}

void PanneauOptions::avertir(QLineEdit& champ, const QString& texte, const QString& légende) {
    const bool enCours = std::exchange(contrôleEnCours_, true);
    Platform& plateforme = contexte.plateforme;
    plateforme.beep();
    plateforme.messageBox(*window(), texte, MessageButtons::Ok, MessageIcon::Critical, légende);
    champ.setFocus(Qt::OtherFocusReason);
    champEntré_ = &champ;
    contrôleEnCours_ = enCours;
}

bool PanneauOptions::TX_Heure_LostFocus() {
    if (Heure_Saisie_Correcte(TX_Heure->text())) return true;
    avertir(*TX_Heure, QStringLiteral("L'heure doit être au format '00:00')"),
            QStringLiteral("Heure de déclenchement de l'alarme"));
    return false;
}

bool PanneauOptions::TX_Jour_LostFocus() {
    if (Jour_Saisi_Correct(TX_Jour->text())) return true;
    avertir(*TX_Jour, QStringLiteral("La date doit être au format 'JJ/MM/AAAA')"),
            QStringLiteral("Jour de déclenchement de l'alarme"));
    return false;
}

void PanneauOptions::PB_Régler_Click() {
    Échange_Saisie& saisie = contexte.saisie;
    const QString jour = TX_Jour->text();
    saisie.Saisie_Jour = Tous_Les_Jours(jour) ? maintenantEnTexte(contexte.plateforme.now()) : jour;
    saisie.Saisie_Heure = TX_Heure->text();
    saisie.Saisie_Message = TX_Alarme->text();
    // Only Valider says yes: closing the dialog by its frame must not pass for an earlier use's answer.
    saisie.Saisie_Validée = false;
    // The dialog takes the activation from the window: no save question about it meanwhile.
    const bool modifié = Modifié;
    Modifié = false;
    demanderAlarme(contexte.plateforme, *window(), saisie);
    Modifié = modifié;
    if (!saisie.Saisie_Validée) return;

    remplirJourEtHeure(jourRendu(saisie.Saisie_Jour), saisie.Saisie_Heure);
    TX_Alarme->setText(saisie.Saisie_Message);
    Modifié = true;
}

void PanneauOptions::PB_PRG_Click() {
    Dialogue_Commun& dialogue = contexte.CommonDialog1;
    dialogue.DialogTitle = QStringLiteral("Sélectionnez le programme à lancer");
    dialogue.InitDir = dossierInitialProgrammes();
    dialogue.Filter = FILTRE_PROGRAMMES;
    dialogue.FilterIndex = FILTRE_EXÉCUTABLES;
    // The dialog keeps the last file chosen anywhere: a cancel is told by the answer, and changes nothing.
    if (!dialogue.ShowOpen(*window()) || dialogue.FileName.isEmpty()) return;
    const QString chemin = dialogue.FileName;
    // The memo's file would give back another path, and the alarm start another program.
    if (const QList<char32_t> refusés = Caractères_Hors_Options(chemin); !refusés.isEmpty()) {
        contexte.plateforme.messageBox(
            *window(),
            QStringLiteral("Ce programme ne peut pas être lancé par l'alarme : son chemin contient des "
                           "caractères que le fichier du Mnémo ne peut pas garder (%1).\n\n%2")
                .arg(lettresÀMontrer(refusés), chemin),
            MessageButtons::Ok, MessageIcon::Exclamation, titreApplication());
        return;
    }
    PB_PRG->setText(chemin);
    Modifié = true;
}
