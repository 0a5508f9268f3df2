#pragma once

#include "EchangeSaisie.h"

#include <QString>

class Platform;
class QWidget;

// The three uses of the input dialog. Each fills the dialog from the exchange, shows it modally and
// returns once it has closed; the caller then reads the exchange (Saisie_Validée tells whether the
// user validated).

// The alarm of a memo: day, hour and message.
void demanderAlarme(Platform& plateforme, Échange_Saisie& échange, QWidget* parent = nullptr);

// The next alarm of the day: hour and message only.
void réglerAlarme(Platform& plateforme, Échange_Saisie& échange, QWidget* parent = nullptr);

// The password of a protected memo, asked before opening it. MdP_Saisi is emptied first, so that
// anything but Valider leaves the empty password.
void demanderMotDePasse(Platform& plateforme, Échange_Saisie& échange, const QString& titreMémo,
                        QWidget* parent = nullptr);
