#pragma once

#include <QString>

// The markers that open and close every record file; a record whose markers differ is malformed.
inline const QString DÉBUT_FICHE = QStringLiteral("++++++++");
inline const QString FIN_FICHE = QStringLiteral("--------");

// Widths of the fixed-width text fields.
inline constexpr int LARGEUR_DÉBUT = 8;
inline constexpr int LARGEUR_MDP = 10;
inline constexpr int LARGEUR_FIN = 8;

inline constexpr int NB_CHAMPS_FICHE = 26;

// The characters of a record's bytes: Windows-1252 in memo files; UTF-8 in recovery copies, which must keep
// every letter typed (Recuperation.h).
enum class Jeu_Caractères { Windows1252, UTF8 };

// Everything a memo keeps in its record file (N.PSL), in file order. The default value is the empty
// record that an unreadable file gives: its markers do not match.
//
// Text values hold Qt line breaks ("\n"); the file holds CR LF. Texte is in clear and MdP holds the clear
// password when a record is handed to Écrire_Mnémo; a record read back holds both as stored (scrambled when
// the memo has a password, see MotDePasse.h).
struct Fiche_Mnémo {
    QString Début;
    bool Alarme = false;
    bool Avant_Plan = false;
    bool Beep = false;
    qint32 Couleur = 0;
    bool Fermé = false;
    QString Heure;
    qint16 Icône = 0;
    QString Jour;
    QString Message;
    bool Ouvert = false;
    qint32 Gauche = 0;
    qint32 Haut = 0;
    QString PRG;
    qint32 Hauteur = 0;
    qint32 Largeur = 0;
    QString Texte;
    QString Titre;
    QString Police;
    qint16 Taille = 0;
    qint16 Gras = 0;
    qint16 Italique = 0;
    qint16 Barré = 0;
    qint16 Souligné = 0;
    QString MdP;
    QString Fin;

    bool operator==(const Fiche_Mnémo&) const = default;

    bool marqueursValides() const { return Début == DÉBUT_FICHE && Fin == FIN_FICHE; }
};
