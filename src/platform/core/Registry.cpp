#include "Registry.h"

#include <QStringDecoder>
#include <QStringEncoder>

QByteArray versPageDeCode(const QString& texte) {
    QStringEncoder encodeur(QStringConverter::System);
    return encodeur.encode(texte);
}

QString depuisPageDeCode(const QByteArray& octets) {
    QStringDecoder décodeur(QStringConverter::System);
    return décodeur.decode(octets);
}
