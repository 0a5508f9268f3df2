#pragma once

#include <QString>

// Text values travel as Qt text ("\n") in memory and as CR LF in files. Both accept any of CR LF, CR, LF.
QString withCrLf(const QString& text);
QString withLf(const QString& text);
