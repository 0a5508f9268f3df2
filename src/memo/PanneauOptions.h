#pragma once

#include "DrapeauModifie.h"

#include <QFrame>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct Contexte_Mnémo;
struct Fiche_Mnémo;
struct Ligne_Alarme;

// The options panel of a memo window (FR_Options): how the memo behaves at start, keep-above, its colour
// and font buttons, its password, and the alarm group. It shares the window's modified flag, which every
// choice the user makes here sets; the window learns of the rest through the calls below. The boxes and
// dialogs its buttons open belong to the window the panel sits in (window()).
class PanneauOptions : public QFrame {
public:
    PanneauOptions(Contexte_Mnémo& contexte, Drapeau_Modifié& modifié, QWidget* parent);
    ~PanneauOptions() override;

    // What the memo's record keeps of the panel: the start behaviour, keep-above, the password and the
    // alarm. Filling it is not a change of the memo.
    void Remplir(const Fiche_Mnémo& fiche, const QString& motDePasse);
    void Compléter(Fiche_Mnémo& fiche) const;

    bool avantPlan() const;
    bool alarmeActive() const;
    Ligne_Alarme alarme() const; // as saving enters it in the alarm table

    // What the window does for the panel.
    std::function<void(bool dessus)> avantPlanChangé; // ticked or unticked, by the user or by filling
    std::function<void()> couleurDemandée;            // PB_Couleur
    std::function<void()> policeDemandée;             // PB_Police

    QFrame* Frame2 = nullptr;
    QRadioButton* RB_Ouvert = nullptr;
    QRadioButton* RB_Fermé = nullptr;
    QCheckBox* CK_Avant_Plan = nullptr;
    QPushButton* PB_Couleur = nullptr;
    QPushButton* PB_Police = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* TX_MdP = nullptr;

    // The alarm settings. A day or an hour that is not one (ChampsAlarme.h) is warned about when the focus
    // goes from its field to another control of this window, and given the focus back; the text stays and
    // can be saved. Each check answers whether the text passed.
    bool TX_Heure_LostFocus();
    bool TX_Jour_LostFocus();
    void PB_Régler_Click(); // day, hour and message in the input dialog
    void PB_PRG_Click();    // the program the alarm starts

    // The alarm group: its fields are filled and read here; the checks on leaving the day and the hour
    // and the two buttons belong to the alarm settings.
    QFrame* Frame1 = nullptr;
    QFrame* FR_Alarme = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* TX_Jour = nullptr;
    QPushButton* PB_Régler = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* TX_Heure = nullptr;
    QCheckBox* CK_Alarme = nullptr;
    QCheckBox* CK_Beep = nullptr;
    QLineEdit* TX_Alarme = nullptr;
    QPushButton* PB_PRG = nullptr;

protected:
    Contexte_Mnémo& contexte;
    Drapeau_Modifié& Modifié; // the window's

private:
    void créerComportement();
    void créerAlarme();
    void suivreLesChoix();
    void remplirJourEtHeure(const QString& jour, const QString& heure);
    void brancherAlarme();
    void suivreLeFocus(QWidget* nouveau);
    void avertir(QLineEdit& champ, const QString& texte, const QString& légende);

    QButtonGroup* lancement_ = nullptr; // RB_Ouvert and RB_Fermé
    // The day or hour field the focus went into and has not left for another control of the window.
    QLineEdit* champEntré_ = nullptr;
    // A check is due or its box is open: the focus going to the box and back to a field leaves nothing.
    bool contrôleEnCours_ = false;
    QMetaObject::Connection suiviDuFocus_;
};
