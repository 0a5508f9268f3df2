#pragma once

#include <QString>

// The caption of boxes that name no caption of their own.
inline QString titreApplication() {
    return QStringLiteral("Pensoir");
}
