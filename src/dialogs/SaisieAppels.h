#pragma once

#include "EchangeSaisie.h"

#include <QString>

class Platform;
class QWidget;

// The three uses of the input dialog. Each fills the dialog from the exchange, shows it modally over
// propriétaire (the window that asks) and returns once it has closed; the caller then reads the exchange
// (Saisie_Validée tells whether the user validated).

// The alarm of a memo: day, hour and message.
void demanderAlarme(Platform& plateforme, QWidget& propriétaire, Échange_Saisie& échange);

// The next alarm of the day: hour and message only.
void réglerAlarme(Platform& plateforme, QWidget& propriétaire, Échange_Saisie& échange);

// The password of a protected memo, asked before opening it. MdP_Saisi is emptied first, so that
// anything but Valider leaves the empty password.
void demanderMotDePasse(Platform& plateforme, QWidget& propriétaire, Échange_Saisie& échange,
                        const QString& titreMémo);
