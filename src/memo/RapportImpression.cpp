#include "RapportImpression.h"

#include "store/ChampsAlarme.h"

namespace {

constexpr int MARGE_TITRE = 20; // blanks before the title
const QString TIRETS = QStringLiteral("-------------- ");

Élément_Rapport ligne(const QString& texte = {}) {
    return {Élément_Rapport::Sorte::Ligne, texte, false, {}};
}

QString ligneDatée(const QDate& jour, const QString& fin) {
    return TIRETS + QStringLiteral("IMPRESSION DU ") + jour.toString(FORMAT_JOUR) + QLatin1Char(' ') +
           TIRETS + fin;
}

} // namespace

QList<Élément_Rapport> Début_Rapport(const Contenu_Rapport& c, const QDate& jour) {
    using Sorte = Élément_Rapport::Sorte;
    QList<Élément_Rapport> r;
    if (!c.icône.isNull()) r << Élément_Rapport{Sorte::Icône, {}, false, c.icône};
    r << Élément_Rapport{Sorte::Police, c.policeTitre, false, {}}
      << Élément_Rapport{Sorte::SurLaLigne, QString(MARGE_TITRE, QLatin1Char(' ')), false, {}}
      << Élément_Rapport{Sorte::Gras, {}, true, {}} << ligne(c.titre)
      << Élément_Rapport{Sorte::Gras, {}, false, {}}
      << Élément_Rapport{Sorte::Police, c.policeTexte, false, {}};
    r << ligne() << ligne() << ligne() << ligne(ligneDatée(jour, QStringLiteral("( Début du mnémo )")))
      << ligne();
    // Each line of the text is a line of the report; the printer wraps the long ones.
    QString texte = c.texte;
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& l : texte.split(QLatin1Char('\n')))
        r << ligne(l);
    r << ligne();
    return r;
}

QList<Élément_Rapport> Options_Rapport(const Contenu_Rapport& c) {
    QList<Élément_Rapport> r;
    r << ligne() << ligne(QStringLiteral("-------------- OPTIONS -------------")) << ligne()
      << ligne(QStringLiteral("---- Affichage ----"))
      << ligne(c.ouvert ? QStringLiteral("---- Mnémo toujours ouvert")
                        : QStringLiteral("---- Mnémo toujours fermé"));
    if (c.avantPlan) r << ligne(QStringLiteral("---- Mettre en avant-plan"));
    r << ligne(QStringLiteral("---- Couleur : ") + QString::number(c.couleur))
      << ligne(QStringLiteral("---- Police de caractères : ") + c.policeTexte);
    if (c.alarme) {
        r << ligne() << ligne(QStringLiteral("---- Alarme ----"))
          << ligne(QStringLiteral("---- Jour : ") + c.jour)
          << ligne(QStringLiteral("---- Heure : ") + c.heure)
          << ligne(QStringLiteral("---- Message : ") + c.message);
        if (c.beep) r << ligne(QStringLiteral("---- Beep"));
        r << ligne(QStringLiteral("---- PRG : ") + c.prg);
    }
    if (!c.image.isNull()) {
        r << ligne() << ligne(QStringLiteral("-------------- IMAGE -------------")) << ligne()
          << Élément_Rapport{Élément_Rapport::Sorte::Image, {}, false, c.image} << ligne();
    }
    r << ligne();
    return r;
}

QList<Élément_Rapport> Fin_Rapport(const QDate& jour) {
    return {ligne(ligneDatée(jour, QStringLiteral("( Fin du mnémo )")))};
}
