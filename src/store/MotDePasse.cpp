#include "MotDePasse.h"

#include "LineBreaks.h"
#include "TablesCodage.h"
#include "Windows1252.h"

namespace {

constexpr int LARGEUR_TOURS = LARGEUR_MDP - LARGEUR_MOT_DE_PASSE;

QString sansEspacesAutour(const QString& texte) {
    qsizetype début = 0;
    qsizetype fin = texte.size();
    while (début < fin && texte.at(début) == QLatin1Char(' '))
        ++début;
    while (fin > début && texte.at(fin - 1) == QLatin1Char(' '))
        --fin;
    return texte.sliced(début, fin - début);
}

QString coderFois(QString texte, int tours, Jeu_Caractères jeu = Jeu_Caractères::Windows1252) {
    for (int tour = 0; tour < tours; ++tour)
        texte = jeu == Jeu_Caractères::UTF8 ? Coder_Tout(texte) : Coder(texte);
    return texte;
}

bool bordsSansEspace(const QString& texte) {
    return !texte.startsWith(QLatin1Char(' ')) && !texte.endsWith(QLatin1Char(' '));
}

// The first count from tours on, wrapping within [TOURS_MIN, toursMax], whose coded password keeps no
// space at its edges. Each edge character meets the space at most once every 64 passes, so one is found.
int toursLisibles(const QString& motDePasse, int tours, int toursMax) {
    const int étendue = toursMax - TOURS_MIN + 1;
    for (int essai = 0; essai < étendue; ++essai) {
        const int candidat = TOURS_MIN + (tours - TOURS_MIN + essai) % étendue;
        if (bordsSansEspace(coderFois(motDePasse, candidat))) return candidat;
    }
    return tours;
}

int toursMax(const QString& texte) {
    const qsizetype longueur = versWindows1252(withCrLf(texte)).size();
    return longueur < LONGUEUR_TEXTE_COURT ? TOURS_MAX_TEXTE_COURT : TOURS_MAX_TEXTE_LONG;
}

} // namespace

QString Mot_De_Passe_Enregistrable(const QString& saisi) {
    QString motDePasse = depuisWindows1252(versWindows1252(sansEspacesAutour(saisi)));
    motDePasse.replace(QLatin1Char('"'), QLatin1Char('\''));
    return sansEspacesAutour(motDePasse.left(LARGEUR_MOT_DE_PASSE));
}

int Tirer_Tours(RandomSource& hasard, const QString& texte) {
    const int tours = hasard.randomBetween(1, toursMax(texte));
    return tours < TOURS_MIN ? tours + TOURS_AJOUT : tours;
}

int Brouiller_Fiche(RandomSource& hasard, Fiche_Mnémo& fiche, Jeu_Caractères jeu) {
    const QString motDePasse = Mot_De_Passe_Enregistrable(fiche.MdP);
    if (motDePasse.isEmpty()) {
        fiche.MdP = QString(LARGEUR_MDP, QLatin1Char(' '));
        return 0;
    }
    const int tours = toursLisibles(motDePasse, Tirer_Tours(hasard, fiche.Texte), toursMax(fiche.Texte));
    fiche.Texte = coderFois(fiche.Texte, tours, jeu);
    fiche.MdP = coderFois(motDePasse, tours).leftJustified(LARGEUR_MOT_DE_PASSE, QLatin1Char(' ')) +
                QStringLiteral("%1").arg(tours, LARGEUR_TOURS, 10, QLatin1Char('0'));
    return tours;
}

MdP_Lu Lire_MdP(const QString& champ) {
    MdP_Lu lu;
    lu.motDePasse = sansEspacesAutour(champ.left(LARGEUR_MOT_DE_PASSE));
    if (lu.motDePasse.isEmpty()) return lu;
    // The count reads as far as its digits go, as a damaged field must still give some count.
    const QString chiffres = sansEspacesAutour(champ.mid(LARGEUR_MOT_DE_PASSE, LARGEUR_TOURS));
    for (const QChar chiffre : chiffres) {
        if (chiffre < QLatin1Char('0') || chiffre > QLatin1Char('9')) break;
        lu.tours = lu.tours * 10 + chiffre.digitValue();
    }
    for (int tour = 0; tour < lu.tours; ++tour)
        lu.motDePasse = Décoder(lu.motDePasse);
    return lu;
}
