// Timings taken inside the process: reading the memo folder for the list (from the hidden window, and again
// while the list is shown), saving a memo with its picture, scrambling a text, and the cost of a key typed
// in large memos (until the window is painted again).
//
//   mesures_internes PROGRAM_FOLDER [RUNS [NAME_PREFIX]]
//
// PROGRAM_FOLDER holds the Mnemos folder to list; the save writes into a folder of its own. Each line:
// NAME MEDIAN_MS MIN_MS MAX_MS (the spread), over RUNS runs (7 by default; keys: 15 per memo).
#include "memo/Mnemo.h"
#include "platform/widgets/QtPlatform.h"
#include "shell/FrmUtilitaires.h"
#include "store/EcritureMnemo.h"
#include "store/TablesCodage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <functional>
#include <time.h>

namespace {

double millisecondesCpu() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void rapporter(const char* nom, QList<double> mesures) {
    std::sort(mesures.begin(), mesures.end());
    std::printf("%s %.2f %.2f %.2f\n", nom, mesures[mesures.size() / 2], mesures.constFirst(),
                mesures.constLast());
    std::fflush(stdout);
}

QList<double> chronométrer(int fois, const std::function<void()>& travail) {
    QList<double> mesures;
    for (int i = 0; i < fois; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        travail();
        mesures << static_cast<double>(chrono.nsecsElapsed()) / 1e6;
    }
    return mesures;
}

class HasardSimple final : public RandomSource {
public:
    void randomize() override {}
    double rnd() override { return 0.5; }
};

QString texteDe(qsizetype octets, qsizetype longueurLigne) {
    QString texte;
    texte.reserve(octets);
    const QString mot = QStringLiteral("mémo ");
    while (texte.size() < octets) {
        texte += mot;
        if (longueurLigne > 0 && texte.size() % longueurLigne < mot.size()) texte += QLatin1Char('\n');
    }
    texte.truncate(octets);
    return texte;
}

// A key typed in the middle of the text, then the events it posted (layout, painting) run; wall time,
// and the main thread's CPU time.
void frappes(FrmUtilitaires& utilitaires, const char* nom, const QString& texte, int fois) {
    Mnemo* fenêtre = utilitaires.Nouvelle_Fenêtre();
    fenêtre->Tag = QStringLiteral("10122026_99999");
    Fiche_Mnémo fiche;
    fiche.Largeur = 400 * 15;
    fiche.Hauteur = 300 * 15;
    fiche.Police = QStringLiteral("Arial");
    fiche.Taille = 10;
    fenêtre->Remplir(fiche, texte, {}, {}, 0);
    fenêtre->show();
    fenêtre->TX_Mnémo->setFocus();
    QTextCursor curseur = fenêtre->TX_Mnémo->textCursor();
    curseur.setPosition(static_cast<int>(texte.size() / 2));
    fenêtre->TX_Mnémo->setTextCursor(curseur);
    QCoreApplication::processEvents();
    QList<double> cpu;
    const QList<double> murs = chronométrer(fois, [&] {
        const double avant = millisecondesCpu();
        QTest::keyClick(fenêtre->TX_Mnémo, Qt::Key_A);
        QCoreApplication::processEvents();
        cpu << millisecondesCpu() - avant;
    });
    rapporter(nom, murs);
    rapporter((QByteArray(nom) + "_cpu").constData(), cpu);
    fenêtre->Modifié = false;
    fenêtre->close();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER [RUNS]\n", argv[0]);
        return 2;
    }
    // Figures with a decimal point, whatever the user's language.
    std::setlocale(LC_NUMERIC, "C");
    const int fois = argc > 2 ? std::max(1, atoi(argv[2])) : 7;
    // Only the measures whose name starts with this.
    const QByteArray seulement = argc > 3 ? QByteArray(argv[3]) : QByteArray();
    const auto mesurer = [&seulement](const char* nom) { return QByteArray(nom).startsWith(seulement); };
    const ProgramFolder dossier{QString::fromLocal8Bit(argv[1])};
    QtPlatform plateforme(dossier);
    FrmUtilitaires utilitaires(plateforme, dossier);

    // As the tray menu lists the memos: from the hidden main window, which the list then shows.
    if (mesurer("lecture_mnemos_liste"))
        rapporter("lecture_mnemos_liste", chronométrer(fois, [&] {
                      utilitaires.hide();
                      QCoreApplication::processEvents();
                      utilitaires.Lecture_Mnémos(false, true, true);
                  }));
    // "Afficher tous les Mnémos" again while the list is shown: the same lines rebuilt in a visible list.
    if (mesurer("lecture_mnemos_liste_affichee")) {
        utilitaires.Lecture_Mnémos(false, true, true);
        QCoreApplication::processEvents();
        rapporter("lecture_mnemos_liste_affichee", chronométrer(fois, [&] {
                      utilitaires.Lecture_Mnémos(false, true, true);
                      QCoreApplication::processEvents();
                  }));
    }

    QTemporaryDir ailleurs;
    HasardSimple hasard;
    Fiche_Mnémo fiche;
    fiche.Texte = texteDe(20 * 1024, 60);
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    if (mesurer("sauvegarde_20ko_image"))
        rapporter(
            "sauvegarde_20ko_image", chronométrer(fois, [&] {
                if (!Écrire_Mnémo(hasard, ailleurs.path(), QStringLiteral("10122026_12345"), fiche, image)
                         .ok())
                    std::fprintf(stderr, "save failed\n");
            }));

    const QString clair = texteDe(20 * 1024, 60);
    if (mesurer("brouillage_20ko_99_tours"))
        rapporter("brouillage_20ko_99_tours", chronométrer(fois, [&] {
                      QString texte = clair;
                      for (int tour = 0; tour < 99; ++tour)
                          texte = Coder(texte);
                  }));

    const int touches = std::max(15, fois);
    if (mesurer("frappe_1mo")) frappes(utilitaires, "frappe_1mo", texteDe(1024 * 1024, 60), touches);
    if (mesurer("frappe_8mo")) frappes(utilitaires, "frappe_8mo", texteDe(8 * 1024 * 1024, 60), touches);
    if (mesurer("frappe_ligne_150000"))
        frappes(utilitaires, "frappe_ligne_150000", texteDe(150000, 0), touches);
    return 0;
}
