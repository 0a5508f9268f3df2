#pragma once

#include <QList>
#include <QString>

// The characters of a value that a file record written between double quotes cannot carry back whole (a
// launcher entry, a memo's program): letters outside Windows-1252 (read back as '?'), and the double quote
// and line breaks that end or change a value. Each once, in the order they come.
QList<char32_t> Caractères_Hors_Options(const QString& valeur);
