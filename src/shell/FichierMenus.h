#pragma once

#include "OptionsLanceur.h"

#include <QList>
#include <QString>

// The launcher options file, MenuOptions.txt in the launcher folder (Menus/ in the program folder).
QString Fichier_Menus(const QString& dossierMenus);

// Far beyond any real launcher list; a larger file is read up to there only.
inline constexpr qint64 TAILLE_MAX_FICHIER_MENUS = 1024 * 1024;

// The entries stored in the file; none when it cannot be read.
QList<Option_Lanceur> Lire_Fichier_Menus(const QString& dossierMenus);

// Appends one record to the file, kept readable by its owner only, creating the launcher folder (private
// too) once when it is missing. False when nothing was written.
bool Ajouter_Au_Fichier_Menus(const QString& dossierMenus, const QString& légende,
                              const QString& ligneCommande);
