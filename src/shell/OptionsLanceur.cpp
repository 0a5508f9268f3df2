#include "OptionsLanceur.h"

#include "store/Windows1252.h"

namespace {

constexpr QChar GUILLEMET = u'"';
constexpr QChar VIRGULE = u',';
constexpr QChar CR = u'\r';
constexpr QChar LF = u'\n';

bool estBlanc(QChar c) {
    return c == u' ' || c == u'\t';
}
bool finDeChamp(QChar c) {
    return c == VIRGULE || c == CR || c == LF;
}

// Only blanks and tabs are trimmed: a no-break space (0xA0) is part of the text.
QString sansBlancs(QStringView texte) {
    qsizetype début = 0, fin = texte.size();
    while (début < fin && estBlanc(texte[début]))
        ++début;
    while (fin > début && estBlanc(texte[fin - 1]))
        --fin;
    return texte.sliced(début, fin - début).toString();
}

} // namespace

QStringList Champs_Options(const QString& texte) {
    QStringList champs;
    const qsizetype n = texte.size();
    qsizetype i = 0;
    while (i < n) {
        qsizetype début = i;
        while (début < n && estBlanc(texte[début]))
            ++début;
        if (début < n && texte[début] == GUILLEMET) {
            const qsizetype fermant = texte.indexOf(GUILLEMET, début + 1);
            if (fermant < 0) {
                champs << texte.mid(début + 1);
                break;
            }
            champs << texte.mid(début + 1, fermant - début - 1);
            i = fermant + 1;
            while (i < n && !finDeChamp(texte[i]))
                ++i;
        } else {
            i = début;
            while (i < n && !finDeChamp(texte[i]))
                ++i;
            champs << sansBlancs(QStringView(texte).sliced(début, i - début));
        }
        if (i < n && texte[i] == VIRGULE) {
            ++i;
        } else if (i < n && texte[i] == CR) {
            ++i;
            if (i < n && texte[i] == LF) ++i;
        } else if (i < n) {
            ++i; // LF
        }
    }
    return champs;
}

QList<Option_Lanceur> Apparier_Options(const QStringList& champs) {
    QList<Option_Lanceur> options;
    for (qsizetype i = 0; i < champs.size();) {
        if (champs[i].isEmpty()) {
            ++i;
            continue;
        }
        options.append({champs[i], i + 1 < champs.size() ? champs[i + 1] : QString()});
        i += 2;
    }
    return options;
}

QList<Option_Lanceur> Options_Lanceur(const QByteArray& octets) {
    return Apparier_Options(Champs_Options(depuisWindows1252(octets)));
}

QString Valeur_Option(QString valeur) {
    return valeur.replace(GUILLEMET, QStringLiteral("''"));
}

QByteArray Enregistrement_Option(const QString& légende, const QString& ligneCommande) {
    const QByteArray finDeLigne = QByteArrayLiteral("\"\r\n");
    return '"' + versWindows1252(Valeur_Option(légende)) + finDeLigne + '"' +
           versWindows1252(Valeur_Option(ligneCommande)) + finDeLigne;
}
