#pragma once

#include <QDate>
#include <QImage>
#include <QList>
#include <QString>

#include <cstdint>

// What the printed report of a memo shows, read off its window.
struct Contenu_Rapport {
    QImage icône;
    QString titre;
    QString policeTitre; // the font names of the title and of the text
    QString texte;
    QString policeTexte;
    // The options block.
    bool ouvert = true; // always opened at start, rather than always closed
    bool avantPlan = false;
    std::uint32_t couleur = 0; // red in the low byte, then green, then blue
    bool alarme = false;
    QString jour;
    QString heure;
    QString message;
    bool beep = false;
    QString prg; // the program button's caption
    QImage image;
};

// One step of the report, as the printer is asked it.
struct Élément_Rapport {
    enum class Sorte {
        Icône,      // image at the page's top left corner; the print position stays
        Police,     // texte: the font's name from here on
        Gras,       // gras: the font's one attribute, on or off
        SurLaLigne, // texte, and the next piece goes on the same line
        Ligne,      // texte, then the line ends
        Image,      // image at the print position, which goes below it
    };
    Sorte sorte;
    QString texte;
    bool gras = false;
    QImage image;

    bool operator==(const Élément_Rapport&) const = default;
};

// The report in three parts, as it is printed: the icon, the title and the text (with the header line dated
// jour); the options block, printed only when the user asks for it; the footer line, dated when it is
// printed.
QList<Élément_Rapport> Début_Rapport(const Contenu_Rapport& contenu, const QDate& jour);
QList<Élément_Rapport> Options_Rapport(const Contenu_Rapport& contenu);
QList<Élément_Rapport> Fin_Rapport(const QDate& jour);
