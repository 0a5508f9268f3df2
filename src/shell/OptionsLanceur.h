#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One launcher entry as the options file keeps it.
struct Option_Lanceur {
    QString légende;
    QString ligneCommande;
    bool operator==(const Option_Lanceur&) const = default;
};

// The fields of the options text, read the way a comma-separated reader reads them: a field opening
// with a double quote runs to the next double quote (line ends included) and the rest of its line up to
// a comma is dropped; any other field runs to a comma or the line end, blanks around it removed. An
// empty line is an empty field. CR LF, LF and CR all end a line.
QStringList Champs_Options(const QString& texte);

// Each non-empty field starts an entry and the field after it is its command line, so an empty caption
// shifts every later pair by one field.
QList<Option_Lanceur> Apparier_Options(const QStringList& champs);

// The entries of an options file's bytes (Windows-1252).
QList<Option_Lanceur> Options_Lanceur(const QByteArray& octets);

// A value as a record carries it: a double quote, which would end the value and shift every later entry, is
// written as two apostrophes, as memo records do.
QString Valeur_Option(QString valeur);

// The record appended for one entry: caption and command line, each as Valeur_Option gives it, quoted on a
// CR LF line. "Ajout menu" refuses a command line holding a double quote (changed, it would start nothing),
// so only a caption is ever changed.
QByteArray Enregistrement_Option(const QString& légende, const QString& ligneCommande);
