#include "Windows1252.h"

#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <array>

namespace {

struct Correspondance {
    std::array<char16_t, 256> versUnicode{};
    QHash<char16_t, std::uint8_t> versCode;

    Correspondance() {
        // Qt's decoder maps the five undefined bytes to U+0081… and back, so every byte survives.
        QStringDecoder decoder("windows-1252");
        for (int code = 0; code < 256; ++code) {
            const char octet = static_cast<char>(code);
            const QString caractère = decoder.decode(QByteArrayView(&octet, 1));
            versUnicode[code] = caractère.isEmpty() ? u'?' : caractère.at(0).unicode();
            versCode.insert(versUnicode[code], static_cast<std::uint8_t>(code));
        }
    }
};

const Correspondance& correspondance() {
    static const Correspondance instance;
    return instance;
}

// Below 0x80 and from 0xA0 to 0xFF the set is Latin-1: a character is its own code, no look-up needed
// (the bulk of any memo).
constexpr bool estSonPropreCode(char32_t character) {
    return character < 0x80 || (character >= 0xA0 && character <= 0xFF);
}

// The character that starts at lu, a pair of surrogates read as one (a lone half stays itself); lu moves
// past it.
char32_t lireCaractère(const QChar*& lu, const QChar* fin) {
    char32_t character = lu->unicode();
    if (lu->isHighSurrogate() && lu + 1 != fin && lu[1].isLowSurrogate()) {
        character = QChar::surrogateToUcs4(lu[0], lu[1]);
        ++lu;
    }
    ++lu;
    return character;
}

} // namespace

std::uint8_t codeWindows1252(char32_t character) {
    if (estSonPropreCode(character)) return static_cast<std::uint8_t>(character);
    if (character > 0xFFFF) return '?';
    const auto& table = correspondance().versCode;
    const auto found = table.constFind(static_cast<char16_t>(character));
    return found == table.constEnd() ? std::uint8_t('?') : *found;
}

bool estWindows1252(char32_t character) {
    if (estSonPropreCode(character)) return true;
    return character <= 0xFFFF && correspondance().versCode.contains(static_cast<char16_t>(character));
}

QList<char32_t> horsWindows1252(const QString& texte) {
    QList<char32_t> trouvés;
    QSet<char32_t> vus;
    const QChar* const fin = texte.constData() + texte.size();
    for (const QChar* lu = texte.constData(); lu != fin;) {
        const char32_t character = lireCaractère(lu, fin);
        if (estWindows1252(character) || vus.contains(character)) continue;
        vus.insert(character);
        trouvés.append(character);
    }
    return trouvés;
}

QString lettresÀMontrer(const QList<char32_t>& lettres) {
    constexpr qsizetype MONTRÉES = 10;
    QStringList montrées;
    for (const char32_t lettre : lettres.first(std::min(lettres.size(), MONTRÉES))) {
        if (QChar::isPrint(lettre) && !QChar::isSpace(lettre))
            montrées << QString::fromUcs4(&lettre, 1);
        else
            montrées << QStringLiteral("U+%1").arg(quint32(lettre), 4, 16, QLatin1Char('0')).toUpper();
    }
    if (lettres.size() > MONTRÉES) montrées << QStringLiteral("…");
    return montrées.join(QLatin1Char(' '));
}

QChar caractèreWindows1252(std::uint8_t code) {
    return QChar(correspondance().versUnicode[code]);
}

QByteArray versWindows1252(const QString& texte) {
    // One byte per character: a surrogate pair is one character, a lone half none the set holds.
    QByteArray octets(texte.size(), Qt::Uninitialized);
    char* sortie = octets.data();
    const QChar* const fin = texte.constData() + texte.size();
    for (const QChar* lu = texte.constData(); lu != fin;)
        *sortie++ = static_cast<char>(codeWindows1252(lireCaractère(lu, fin)));
    octets.truncate(sortie - octets.constData());
    return octets;
}

QString depuisWindows1252(const QByteArray& octets) {
    const auto& table = correspondance().versUnicode;
    QString texte(octets.size(), Qt::Uninitialized);
    QChar* sortie = texte.data();
    for (const char octet : octets)
        *sortie++ = QChar(table[static_cast<std::uint8_t>(octet)]);
    return texte;
}
