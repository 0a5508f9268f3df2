#include "TablesCodage.h"

#include "Windows1252.h"

namespace {

constexpr bool estPermutation(const Table_Caractères& table) {
    std::array<bool, 256> vu{};
    for (const auto code : table) {
        if (code < 0 || code > 255 || vu[code]) return false;
        vu[code] = true;
    }
    return true;
}

constexpr bool laisseEnPlace(const Table_Caractères& table) {
    for (int code = 0; code < 32; ++code)
        if (table[code] != code) return false;
    for (const int code : {34, 129, 141, 143, 144, 157})
        if (table[code] != code) return false;
    return true;
}

static_assert(estPermutation(Table_Codage));
static_assert(laisseEnPlace(Table_Codage));

QString appliquer(const Table_Caractères& table, const QString& texte) {
    QByteArray octets = versWindows1252(texte);
    for (char& octet : octets) octet = static_cast<char>(table[static_cast<std::uint8_t>(octet)]);
    return depuisWindows1252(octets);
}

QString appliquerSansPerte(const Table_Caractères& table, const QString& texte) {
    QString résultat = texte;
    for (QChar& caractère : résultat) {
        if (!estWindows1252(caractère.unicode())) continue; // surrogate halves included
        caractère =
            caractèreWindows1252(static_cast<std::uint8_t>(table[codeWindows1252(caractère.unicode())]));
    }
    return résultat;
}

} // namespace

void Init_Tables() {}

QString Coder(const QString& texte) { return appliquer(Table_Codage, texte); }

QString Décoder(const QString& texte) { return appliquer(Table_Décodage, texte); }

QString Coder_Tout(const QString& texte) {
    return appliquerSansPerte(Table_Codage, texte);
}

QString Décoder_Tout(const QString& texte) {
    return appliquerSansPerte(Table_Décodage, texte);
}
