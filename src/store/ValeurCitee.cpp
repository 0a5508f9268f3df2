#include "ValeurCitee.h"

#include "Windows1252.h"

QList<char32_t> Caractères_Hors_Options(const QString& valeur) {
    QList<char32_t> caractères;
    for (const QChar c : valeur) {
        const char32_t code = c.unicode();
        if ((c == u'"' || c == u'\r' || c == u'\n') && !caractères.contains(code)) caractères.append(code);
    }
    caractères.append(horsWindows1252(valeur));
    return caractères;
}
