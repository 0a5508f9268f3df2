// The kill test's child (tst_store_arret_brutal): saves memos with their pictures through Écrire_Mnémo,
// one version after the other, until it is killed.
//   ecrivain_en_boucle FOLDER RUN FIRST_MEMO
// Save number n (from 0) is the version (FIRST_MEMO + n mod the memo count, RUN, n). Each step goes to
// standard output at once, one line each: "remplace PS2" and "remplace PSL" right before each rename,
// "sauve MEMO RUN N" once the save has succeeded. A failed save ends it with its reason, code 1.
#include "MnemosEnBoucle.h"

#include "store/DiskFiles.h"
#include "store/EcritureMnemo.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

class Hasard final : public RandomSource {
public:
    void randomize() override {}
    double rnd() override { return générateur_.generateDouble(); }

private:
    QRandomGenerator générateur_{QRandomGenerator::securelySeeded()};
};

// Unbuffered: a line written is in the pipe before the next step begins, whenever the kill comes.
void signaler(const QByteArray& ligne) {
    for (qsizetype fait = 0; fait < ligne.size();) {
        const ssize_t écrits = ::write(STDOUT_FILENO, ligne.constData() + fait, size_t(ligne.size() - fait));
        if (écrits < 0 && errno == EINTR) continue;
        if (écrits <= 0) std::exit(3); // the test has gone
        fait += écrits;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s FOLDER RUN FIRST_MEMO\n", argv[0]);
        return 2;
    }
    const QString dossier = QFile::decodeName(argv[1]);
    const int passage = std::atoi(argv[2]);
    const int premier = std::atoi(argv[3]);

    Hasard hasard;
    const ReplaceFile remplacer = [](const QString& provisoire, const QString& cible) {
        signaler("remplace " + QFileInfo(cible).suffix().toLatin1() + '\n');
        return replaceFile(provisoire, cible);
    };
    for (int rang = 0;; ++rang) {
        const Version_Mnémo version{(premier + rang) % NB_MNÉMOS_EN_BOUCLE, passage, rang};
        const Résultat_Écriture écrit =
            Écrire_Mnémo(hasard, dossier, nomEnBoucle(version.mémo), ficheDeVersion(version),
                         imageDeVersion(version), remplacer);
        if (!écrit.ok()) {
            std::fprintf(stderr, "save %d failed: %s\n", rang, qPrintable(écrit.description));
            return 1;
        }
        signaler(QByteArray("sauve ") + QByteArray::number(version.mémo) + ' ' + QByteArray::number(passage) +
                 ' ' + QByteArray::number(rang) + '\n');
    }
}
