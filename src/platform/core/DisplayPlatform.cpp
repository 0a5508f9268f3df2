#include "DisplayPlatform.h"

#include <QtGlobal>

QByteArray platformToForce(const QByteArray& waylandDisplay, const QByteArray& display,
                           const QByteArray& chosenPlatform) {
    // An empty variable counts as unset, as Qt reads QT_QPA_PLATFORM.
    if (!chosenPlatform.isEmpty() || waylandDisplay.isEmpty() || display.isEmpty()) return {};
    return QByteArrayLiteral("xcb");
}

bool chooseDisplayPlatform() {
    const QByteArray forced =
        platformToForce(qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"), qgetenv(CHOSEN_PLATFORM_VARIABLE));
    if (forced.isEmpty()) return false;
    qputenv(CHOSEN_PLATFORM_VARIABLE, forced);
    return true;
}

void releaseDisplayPlatform(bool chosen) {
    if (chosen) qunsetenv(CHOSEN_PLATFORM_VARIABLE);
}
