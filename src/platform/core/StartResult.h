#pragma once

#include "ErreursPlateforme.h"

#include <QString>

// Outcome of starting a program: error 0 when it started, else the number and French text the user is shown.
struct StartResult {
    int error = 0;
    QString description;
    bool ok() const { return error == 0; }
};
