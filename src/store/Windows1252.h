#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

// Memo and launcher files hold one byte per character in Windows-1252. A character outside that set is
// stored as '?'.
std::uint8_t codeWindows1252(char32_t character);
bool estWindows1252(char32_t character);
// The characters of texte outside that set, each once, in the order they come.
QList<char32_t> horsWindows1252(const QString& texte);
// Such characters as the user is shown them: the first ten, separated by blanks, "…" when there are more;
// one that would not show (a format or control character) by its code, as U+200B.
QString lettresÀMontrer(const QList<char32_t>& lettres);
QChar caractèreWindows1252(std::uint8_t code);

QByteArray versWindows1252(const QString& texte);
QString depuisWindows1252(const QByteArray& octets);
