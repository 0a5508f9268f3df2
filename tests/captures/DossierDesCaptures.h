#pragma once

#include <QDir>
#include <QString>

// The folder the pictures go to, made when missing; empty when PENSOIR_CAPTURES_DIR names none.
inline QString dossierDesCaptures() {
    const QString dossier = qEnvironmentVariable("PENSOIR_CAPTURES_DIR");
    if (dossier.isEmpty() || !QDir().mkpath(dossier)) return {};
    return QDir(dossier).absolutePath();
}
