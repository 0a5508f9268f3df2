// Any bytes make a record without harm, and every record a save writes reads back as written.
#include "store/FormatFiche.h"
#include "store/LineBreaks.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void vérifier(bool condition) {
    if (!condition) std::abort();
}

bool àSaLargeur(const QString& texte, int largeur) {
    return texte.isEmpty() || texte.size() == largeur;
}

QString sansGuillemet(QString texte) {
    return texte.replace(QLatin1Char('"'), QStringLiteral("''"));
}

// What a record reads back as once written: quotes as two apostrophes, line breaks as "\n", fixed
// widths kept.
Fiche_Mnémo commeRelue(Fiche_Mnémo fiche) {
    for (QString* libre :
         {&fiche.Heure, &fiche.Jour, &fiche.Message, &fiche.PRG, &fiche.Texte, &fiche.Titre, &fiche.Police})
        *libre = withLf(sansGuillemet(*libre));
    for (const auto& [fixe, largeur] :
         {std::pair{&fiche.Début, LARGEUR_DÉBUT}, std::pair{&fiche.MdP, LARGEUR_MDP},
          std::pair{&fiche.Fin, LARGEUR_FIN}})
        *fixe = sansGuillemet(*fixe).leftJustified(largeur, QLatin1Char(' '), true);
    return fiche;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray octets(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Fiche_Mnémo lue = Analyser_Fiche(octets);
    vérifier(àSaLargeur(lue.Début, LARGEUR_DÉBUT) && àSaLargeur(lue.MdP, LARGEUR_MDP) &&
             àSaLargeur(lue.Fin, LARGEUR_FIN));

    const QByteArray écrite = Composer_Fiche(lue);
    vérifier(Analyser_Fiche(écrite) == commeRelue(lue));
    vérifier(écrite.count('"') == 2 * 10); // ten text fields, two quotes each
    return 0;
}
