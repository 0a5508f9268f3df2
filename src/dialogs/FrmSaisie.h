#pragma once

#include "EchangeSaisie.h"

#include "platform/widgets/FenetreDuProgramme.h"

#include <QDialog>

class Platform;
class QCalendarWidget;
class QDate;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The small modal dialog that asks for an alarm (day, hour, message) or for a memo's password.
// Both panels start hidden: the caller shows one, hides what it does not want and sets the captions.
// The boxes are filled from the exchange when the dialog is built, so the caller fills it first; a
// dialog serves one use only.
class FrmSaisie : public QDialog, public FenetreDuProgramme {
    Q_OBJECT
public:
    FrmSaisie(Platform& plateforme, Échange_Saisie& échange, QWidget* parent = nullptr);
    ~FrmSaisie() override;

    // Date, hour and message panel.
    QGroupBox* FR_Date_Heure_Message = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* TX_Message = nullptr;
    QLabel* LB_Jour = nullptr;
    QLineEdit* TX_Jour = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* TX_Heure = nullptr;
    QCalendarWidget* Calendar1 = nullptr;

    // Password panel.
    QGroupBox* FR_MdP = nullptr;
    QLabel* LB_MdP = nullptr;
    QLineEdit* TX_MdP = nullptr;

    QPushButton* PB_Valider = nullptr;
    QPushButton* PB_Annuler = nullptr;

    // Normalises the hour box on leaving it ("9h30" → "09:30"); refuses any other length with a
    // message and empties the box. Answers whether the hour was accepted.
    bool TX_Heure_LostFocus();
    void Calendar1_DblClick(const QDate& jour);
    void PB_Valider_Click();
    void PB_Annuler_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void créerPanneauDate();
    void créerPanneauMotDePasse();
    void créerBoutons();
    void Form_Load();
    void focusChanged(QWidget* nouveau);

    Platform& plateforme_;
    Échange_Saisie& échange_;
    // Set while the hour box has been entered and not yet checked: the check runs when the focus goes
    // on to another box of the dialog, or at Valider; never for Annuler, Escape or the close box.
    bool heureÀContrôler_ = false;
    QMetaObject::Connection suiviDuFocus_;
};
