#include "LineBreaks.h"

QString withLf(const QString& text) {
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QString withCrLf(const QString& text) {
    return withLf(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}
