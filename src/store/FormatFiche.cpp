#include "FormatFiche.h"

#include "LineBreaks.h"
#include "Windows1252.h"

#include <QByteArrayView>

#include <array>
#include <limits>
#include <optional>
#include <variant>

namespace {

using Membre =
    std::variant<QString Fiche_Mnémo::*, bool Fiche_Mnémo::*, qint32 Fiche_Mnémo::*, qint16 Fiche_Mnémo::*>;

struct Champ {
    Membre membre;
    int largeur = 0; // fixed width of a text field; 0 = free text
};

// The file order.
const std::array<Champ, NB_CHAMPS_FICHE> CHAMPS = {{
    {&Fiche_Mnémo::Début, LARGEUR_DÉBUT},
    {&Fiche_Mnémo::Alarme},
    {&Fiche_Mnémo::Avant_Plan},
    {&Fiche_Mnémo::Beep},
    {&Fiche_Mnémo::Couleur},
    {&Fiche_Mnémo::Fermé},
    {&Fiche_Mnémo::Heure},
    {&Fiche_Mnémo::Icône},
    {&Fiche_Mnémo::Jour},
    {&Fiche_Mnémo::Message},
    {&Fiche_Mnémo::Ouvert},
    {&Fiche_Mnémo::Gauche},
    {&Fiche_Mnémo::Haut},
    {&Fiche_Mnémo::PRG},
    {&Fiche_Mnémo::Hauteur},
    {&Fiche_Mnémo::Largeur},
    {&Fiche_Mnémo::Texte},
    {&Fiche_Mnémo::Titre},
    {&Fiche_Mnémo::Police},
    {&Fiche_Mnémo::Taille},
    {&Fiche_Mnémo::Gras},
    {&Fiche_Mnémo::Italique},
    {&Fiche_Mnémo::Barré},
    {&Fiche_Mnémo::Souligné},
    {&Fiche_Mnémo::MdP, LARGEUR_MDP},
    {&Fiche_Mnémo::Fin, LARGEUR_FIN},
}};

constexpr char GUILLEMET = '"';
const QByteArray VRAI = QByteArrayLiteral("#TRUE#");
const QByteArray FAUX = QByteArrayLiteral("#FALSE#");
const QByteArray FIN_DE_LIGNE = QByteArrayLiteral("\r\n");

template <class... Cas> struct Selon : Cas... { using Cas::operator()...; };
template <class... Cas> Selon(Cas...) -> Selon<Cas...>;

QString àLargeur(const QString& valeur, int largeur) {
    return valeur.leftJustified(largeur, QLatin1Char(' '), true);
}

// --- Writing ---

QByteArray encoder(const QString& texte, Jeu_Caractères jeu) {
    return jeu == Jeu_Caractères::UTF8 ? texte.toUtf8() : versWindows1252(texte);
}

QString décoder(const QByteArray& octets, Jeu_Caractères jeu) {
    return jeu == Jeu_Caractères::UTF8 ? QString::fromUtf8(octets) : depuisWindows1252(octets);
}

QByteArray texteEntreGuillemets(QString valeur, int largeur, Jeu_Caractères jeu) {
    valeur.replace(QLatin1Char(GUILLEMET), QStringLiteral("''"));
    valeur = largeur > 0 ? àLargeur(valeur, largeur) : withCrLf(valeur);
    return GUILLEMET + encoder(valeur, jeu) + GUILLEMET;
}

// --- Reading ---

struct Valeur {
    QByteArrayView octets;
    bool entreGuillemets = false;
};

class Lecteur {
public:
    explicit Lecteur(QByteArrayView octets) : octets_(octets) {}

    std::optional<Valeur> suivante() {
        while (pos_ < octets_.size() && (octets_[pos_] == ' ' || octets_[pos_] == '\t'))
            ++pos_;
        if (pos_ >= octets_.size()) return std::nullopt;

        if (octets_[pos_] == GUILLEMET) {
            const qsizetype début = pos_ + 1;
            qsizetype fin = octets_.indexOf(GUILLEMET, début);
            if (fin < 0) fin = octets_.size();
            pos_ = fin + 1;
            sauterLigne();
            return Valeur{octets_.sliced(début, fin - début), true};
        }

        const qsizetype début = pos_;
        while (pos_ < octets_.size() && !finDeLigne(octets_[pos_]))
            ++pos_;
        qsizetype fin = pos_;
        while (fin > début && (octets_[fin - 1] == ' ' || octets_[fin - 1] == '\t'))
            --fin;
        sauterFinDeLigne();
        return Valeur{octets_.sliced(début, fin - début), false};
    }

private:
    static bool finDeLigne(char octet) { return octet == '\r' || octet == '\n'; }

    void sauterLigne() {
        while (pos_ < octets_.size() && !finDeLigne(octets_[pos_]))
            ++pos_;
        sauterFinDeLigne();
    }

    void sauterFinDeLigne() {
        if (pos_ < octets_.size() && octets_[pos_] == '\r') ++pos_;
        if (pos_ < octets_.size() && octets_[pos_] == '\n') ++pos_;
    }

    QByteArrayView octets_;
    qsizetype pos_ = 0;
};

std::optional<bool> booléen(const Valeur& valeur) {
    if (valeur.entreGuillemets) return std::nullopt;
    if (valeur.octets == VRAI) return true;
    if (valeur.octets == FAUX) return false;
    return std::nullopt;
}

template <class Entier> std::optional<Entier> nombre(const Valeur& valeur) {
    if (valeur.entreGuillemets) return std::nullopt;
    const QByteArrayView chiffres = valeur.octets.startsWith('-') ? valeur.octets.sliced(1) : valeur.octets;
    constexpr qsizetype CHIFFRES_MAX = std::numeric_limits<Entier>::digits10 + 1;
    if (chiffres.isEmpty() || chiffres.size() > CHIFFRES_MAX) return std::nullopt;
    qint64 absolu = 0;
    for (const char chiffre : chiffres) {
        if (chiffre < '0' || chiffre > '9') return std::nullopt;
        absolu = absolu * 10 + (chiffre - '0');
    }
    const qint64 signé = valeur.octets.startsWith('-') ? -absolu : absolu;
    if (signé < std::numeric_limits<Entier>::min() || signé > std::numeric_limits<Entier>::max())
        return std::nullopt;
    return static_cast<Entier>(signé);
}

} // namespace

QByteArray Composer_Fiche(const Fiche_Mnémo& fiche, Jeu_Caractères jeu) {
    QByteArray octets;
    for (const Champ& champ : CHAMPS) {
        octets +=
            std::visit(Selon{
                           [&](QString Fiche_Mnémo::*texte) {
                               return texteEntreGuillemets(fiche.*texte, champ.largeur, jeu);
                           },
                           [&](bool Fiche_Mnémo::*booléen) { return fiche.*booléen ? VRAI : FAUX; },
                           [&](qint32 Fiche_Mnémo::*nombre) { return QByteArray::number(fiche.*nombre); },
                           [&](qint16 Fiche_Mnémo::*nombre) { return QByteArray::number(fiche.*nombre); },
                       },
                       champ.membre);
        octets += FIN_DE_LIGNE;
    }
    return octets;
}

QList<char32_t> Lettres_Hors_Fichier(const Fiche_Mnémo& fiche) {
    QList<char32_t> lettres;
    for (const Champ& champ : CHAMPS) {
        const auto* texte = std::get_if<QString Fiche_Mnémo::*>(&champ.membre);
        if (!texte || *texte == &Fiche_Mnémo::MdP) continue;
        for (const char32_t lettre : horsWindows1252(fiche.**texte))
            if (!lettres.contains(lettre)) lettres.append(lettre);
    }
    return lettres;
}

Fiche_Mnémo Analyser_Fiche(const QByteArray& octets, Jeu_Caractères jeu) {
    Fiche_Mnémo fiche;
    Lecteur lecteur(octets);
    for (const Champ& champ : CHAMPS) {
        const std::optional<Valeur> valeur = lecteur.suivante();
        if (!valeur) break;
        std::visit(Selon{
                       [&](QString Fiche_Mnémo::*texte) {
                           const QString lu = décoder(valeur->octets.toByteArray(), jeu);
                           fiche.*texte = champ.largeur > 0 ? àLargeur(lu, champ.largeur) : withLf(lu);
                       },
                       [&](bool Fiche_Mnémo::*champBooléen) {
                           fiche.*champBooléen = booléen(*valeur).value_or(false);
                       },
                       [&](qint32 Fiche_Mnémo::*champNombre) {
                           fiche.*champNombre = nombre<qint32>(*valeur).value_or(0);
                       },
                       [&](qint16 Fiche_Mnémo::*champNombre) {
                           fiche.*champNombre = nombre<qint16>(*valeur).value_or(0);
                       },
                   },
                   champ.membre);
    }
    return fiche;
}
