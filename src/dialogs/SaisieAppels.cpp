#include "SaisieAppels.h"

#include "FrmSaisie.h"

#include "platform/widgets/Platform.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

void demanderAlarme(Platform& plateforme, QWidget& propriétaire, Échange_Saisie& échange) {
    FrmSaisie saisie(plateforme, échange, &propriétaire);
    saisie.FR_Date_Heure_Message->show();
    saisie.setWindowTitle(QStringLiteral("Saisie d'une alarme"));
    plateforme.execDialog(propriétaire, saisie);
}

void réglerAlarme(Platform& plateforme, QWidget& propriétaire, Échange_Saisie& échange) {
    FrmSaisie saisie(plateforme, échange, &propriétaire);
    saisie.FR_Date_Heure_Message->show();
    saisie.Calendar1->hide();
    saisie.LB_Jour->hide();
    saisie.TX_Jour->hide();
    saisie.setWindowTitle(QStringLiteral("Réglage de l'alarme"));
    plateforme.execDialog(propriétaire, saisie);
}

void demanderMotDePasse(Platform& plateforme, QWidget& propriétaire, Échange_Saisie& échange,
                        const QString& titreMémo) {
    échange.MdP_Saisi.clear();
    FrmSaisie saisie(plateforme, échange, &propriétaire);
    saisie.setWindowTitle(QStringLiteral("Entrer le Mot de Passe pour ouvrir ce Mnémo !"));
    saisie.FR_MdP->setTitle(titreMémo);
    saisie.FR_MdP->show();
    plateforme.execDialog(propriétaire, saisie);
}
