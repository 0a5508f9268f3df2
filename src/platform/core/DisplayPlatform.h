#pragma once

#include <QByteArray>

// Which of Qt's platform plugins draws the program. Memo positions, keep-above and the tray icon need X11:
// on a Wayland session that also offers XWayland, the program runs on xcb unless the user chose a plugin.

inline constexpr char CHOSEN_PLATFORM_VARIABLE[] = "QT_QPA_PLATFORM";

// The plugin to ask for, from the session's WAYLAND_DISPLAY, DISPLAY and QT_QPA_PLATFORM (empty when
// unset): "xcb" when both displays are there and no plugin is chosen; empty to leave Qt's own choice.
QByteArray platformToForce(const QByteArray& waylandDisplay, const QByteArray& display,
                           const QByteArray& chosenPlatform);

// Applies that choice to this process's environment; to be called before the application object exists.
// Answers whether it chose.
bool chooseDisplayPlatform();
// Once the application object exists its plugin is loaded: a plugin chosen here is taken out of the
// environment again, so that the programs the launcher and alarms start choose their own, as the session
// would have them do.
void releaseDisplayPlatform(bool chosen);
