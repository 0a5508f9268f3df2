#pragma once

#include <QIcon>

// The program's own 32 × 32 icon, also shown in the tray.
QIcon Icône_Programme();
