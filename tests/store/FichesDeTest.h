#pragma once

// Records and helpers shared by the store tests.
#include "store/FicheMnemo.h"

#include <QFile>
#include <QStringList>
#include <QTest>

// One "name=value" line per field, so that a failed comparison names the fields that differ.
inline QStringList champs(const Fiche_Mnémo& f) {
    const auto b = [](bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); };
    const auto n = [](qint32 v) { return QString::number(v); };
    const auto t = [](const QString& v) {
        QString shown = v;
        return QLatin1Char('[') +
               shown.replace(QLatin1Char('\r'), QStringLiteral("\\r"))
                   .replace(QLatin1Char('\n'), QStringLiteral("\\n")) +
               QLatin1Char(']');
    };
    return {
        "Début=" + t(f.Début),       "Alarme=" + b(f.Alarme),   "Avant_Plan=" + b(f.Avant_Plan),
        "Beep=" + b(f.Beep),         "Couleur=" + n(f.Couleur), "Fermé=" + b(f.Fermé),
        "Heure=" + t(f.Heure),       "Icône=" + n(f.Icône),     "Jour=" + t(f.Jour),
        "Message=" + t(f.Message),   "Ouvert=" + b(f.Ouvert),   "Gauche=" + n(f.Gauche),
        "Haut=" + n(f.Haut),         "PRG=" + t(f.PRG),         "Hauteur=" + n(f.Hauteur),
        "Largeur=" + n(f.Largeur),   "Texte=" + t(f.Texte),     "Titre=" + t(f.Titre),
        "Police=" + t(f.Police),     "Taille=" + n(f.Taille),   "Gras=" + n(f.Gras),
        "Italique=" + n(f.Italique), "Barré=" + n(f.Barré),     "Souligné=" + n(f.Souligné),
        "MdP=" + t(f.MdP),           "Fin=" + t(f.Fin),
    };
}

// The memo of fixtures/memo_clair.PSL, as the window hands it over and as it reads back.
inline Fiche_Mnémo ficheClaire() {
    Fiche_Mnémo f;
    f.Début = DÉBUT_FICHE;
    f.Alarme = true;
    f.Avant_Plan = false;
    f.Beep = true;
    f.Couleur = 8454143;
    f.Fermé = false;
    f.Heure = "09:30";
    f.Icône = 3;
    f.Jour = "08/12/2026";
    f.Message = "Payer 12 € à l'œuvre";
    f.Ouvert = true;
    f.Gauche = 1200;
    f.Haut = -300;
    f.PRG = "PRG à lancer";
    f.Hauteur = 4515;
    f.Largeur = 3600;
    f.Texte = "Première ligne\nDeuxième : 5 €\n\nœuf, déjà";
    f.Titre = "Courses de la semaine";
    f.Police = "MS Sans Serif";
    f.Taille = 10;
    f.Gras = -1;
    f.Italique = 0;
    f.Barré = 0;
    f.Souligné = -1;
    f.MdP = QString(LARGEUR_MDP, ' ');
    f.Fin = FIN_FICHE;
    return f;
}

// fixtures/memo_protege.PSL holds this memo with password "secret", scrambled in 5 passes.
inline const QString MOT_DE_PASSE_PROTÉGÉ = QStringLiteral("secret");
inline constexpr int TOURS_PROTÉGÉ = 5;

inline Fiche_Mnémo ficheProtégéeEnClair() {
    Fiche_Mnémo f = ficheClaire();
    f.Alarme = false;
    f.Beep = false;
    f.Couleur = 16777215;
    f.Fermé = true;
    f.Heure = "";
    f.Icône = -1;
    f.Jour = "";
    f.Message = "";
    f.Ouvert = false;
    f.Texte = "Code : 1234\nNe pas oublier !";
    f.Titre = "Coffre";
    f.MdP = MOT_DE_PASSE_PROTÉGÉ;
    return f;
}

// rnd() values that make randomBetween(1, max) draw `tirage`.
inline double tirageEntre1Et(int max, int tirage) {
    return (tirage - 1 + 0.5) / max;
}

inline QByteArray contenu(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) return {};
    return fichier.readAll();
}

inline QByteArray fixture(const char* nom) {
    const QByteArray octets = contenu(QStringLiteral(FIXTURES_DIR "/") + QLatin1String(nom));
    if (octets.isEmpty()) qFatal("missing fixture %s", nom);
    return octets;
}

inline void écrire(const QString& chemin, const QByteArray& octets) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size())
        qFatal("cannot write %s", qPrintable(chemin));
}
