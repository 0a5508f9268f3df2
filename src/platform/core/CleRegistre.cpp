#include "CleRegistre.h"

bool UpdateKey(Registry& registre, quint32 KeyRoot, const QString& KeyName, const QString& SubKeyName,
               QString& SubKeyValue, RegistryWrite* échec) {
    if (SubKeyValue.isEmpty()) SubKeyValue = QStringLiteral(" ");
    const RegistryWrite écriture =
        registre.write(KeyRoot, KeyName, SubKeyName, REG_SZ, versPageDeCode(SubKeyValue));
    if (échec) *échec = écriture;
    return écriture.ok();
}

bool GetKeyValue(const Registry& registre, quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                 QString& KeyVal) {
    return décoderValeur(registre.read(KeyRoot, KeyName, SubKeyRef), KeyVal);
}

bool décoderValeur(const RegistryValue& valeur, QString& KeyVal) {
    KeyVal.clear();
    if (valeur.state != RegistryValue::State::Read || valeur.data.size() > TAILLE_LECTURE_REGISTRE)
        return false;
    switch (valeur.type) {
    case REG_SZ: {
        QByteArray texte = valeur.data;
        if (texte.endsWith('\0')) texte.chop(1);
        KeyVal = depuisPageDeCode(texte);
        return true;
    }
    case REG_DWORD: {
        // Stored least significant byte first.
        KeyVal = QStringLiteral("&h");
        for (qsizetype i = valeur.data.size() - 1; i >= 0; --i)
            KeyVal += QStringLiteral("%1")
                          .arg(static_cast<uchar>(valeur.data[i]), 2, 16, QLatin1Char('0'))
                          .toUpper();
        return true;
    }
    default:
        // Unknown to the callers: a value they cannot use is not one they read.
        return false;
    }
}
