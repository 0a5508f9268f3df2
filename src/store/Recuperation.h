#pragma once

#include "ErreursFichier.h"
#include "FicheMnemo.h"
#include "FichiersMnemo.h"

#include "platform/core/RandomSource.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Recovery copies: the whole record of a memo whose changes are not saved yet, kept a few seconds after each
// change so that a crash, a power cut or the end of the display loses nothing typed. The copy of memo N is
// Recuperation/N.PSL beside the memo files, apart from them (the memo list never shows it). It is written
// as the record is (aside, synced, renamed), in UTF-8 so that letters a memo file cannot hold survive, and
// scrambled like the record when the memo has a password. Copies the user sets aside go to
// Recuperation/Ecartees/ and are never read by the program again.
QString Dossier_Récupération(const QString& dossierMnémos);
QString Chemin_Récupération(const QString& dossierMnémos, const QString& nom);

// UTF-8 takes up to four bytes for a character the memo file stores in one: the copy of any record that a
// memo file could hold fits.
inline constexpr qint64 LIMITE_FICHIER_RÉCUPÉRATION = 4 * LIMITE_FICHIER_FICHE;

// Writes the copy of memo nom over the previous one; fiche as Écrire_Mnémo takes it (text and password in
// clear). A copy that would pass LIMITE_FICHIER_RÉCUPÉRATION is refused and the previous one stays.
Résultat_Écriture Écrire_Récupération(RandomSource& hasard, const QString& dossierMnémos, const QString& nom,
                                      Fiche_Mnémo fiche);

// One copy found at start-up: the record with its text and password in clear, as Écrire_Récupération took
// it. complète is false for a file that does not read as a whole record (its markers are wrong).
struct Récupération {
    QString nom;
    Fiche_Mnémo fiche;
    bool complète = false;
};
QList<Récupération> Lire_Récupérations(const QString& dossierMnémos);

// Removes the copy of memo nom once its changes are saved or given up; a missing copy is no failure.
Résultat_Écriture Supprimer_Récupération(const QString& dossierMnémos, const QString& nom);

// Moves the copy of memo nom into Recuperation/Ecartees/, named after the memo and the moment (never over
// another file), so that it is not offered again and stays there for the user.
Résultat_Écriture Écarter_Récupération(const QString& dossierMnémos, const QString& nom,
                                       const QDateTime& moment);
