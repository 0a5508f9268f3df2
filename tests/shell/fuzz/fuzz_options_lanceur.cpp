// Any bytes make launcher entries without harm, and the entries read are written back as records that
// read as the same entries, each double quote turned into two apostrophes.
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

    QList<Option_Lanceur> attendues;
    QByteArray fichier;
    for (const Option_Lanceur& option : lues) {
        vérifier(!option.légende.isEmpty());
        attendues << Option_Lanceur{Valeur_Option(option.légende), Valeur_Option(option.ligneCommande)};
        fichier += Enregistrement_Option(option.légende, option.ligneCommande);
    }
    vérifier(Options_Lanceur(fichier) == attendues);
    return 0;
}
