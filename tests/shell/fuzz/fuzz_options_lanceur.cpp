// Any bytes make launcher entries without harm, and the entries read are written back as records that
// read as the same entries.
#include "shell/OptionsLanceur.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void vérifier(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray octets(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<Option_Lanceur> lues = Options_Lanceur(octets);

    // A record holds its fields between quotes, unescaped: an entry with a quote cannot be written back.
    QList<Option_Lanceur> réécrites;
    QByteArray fichier;
    for (const Option_Lanceur& option : lues) {
        vérifier(!option.légende.isEmpty());
        if (option.légende.contains(QLatin1Char('"')) || option.ligneCommande.contains(QLatin1Char('"')))
            continue;
        réécrites << option;
        fichier += Enregistrement_Option(option.légende, option.ligneCommande);
    }
    vérifier(Options_Lanceur(fichier) == réécrites);
    return 0;
}
