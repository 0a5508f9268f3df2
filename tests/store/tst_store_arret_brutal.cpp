// Saves killed at random points: a child saves memos with pictures in a loop and is killed (SIGKILL) over
// and over. After each kill, every memo's record and picture is either the version it had or the one
// being saved, both read back, and a new record never stands beside the old picture (the picture is
// committed first).
#include "FichesDeTest.h"
#include "MnemosEnBoucle.h"
#include "TestFolder.h"

#include "store/FichiersMnemo.h"
#include "store/ImageMnemo.h"
#include "store/LectureFiche.h"
#include "store/MotDePasse.h"
#include "store/TablesCodage.h"

#include <QDir>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <array>
#include <optional>

namespace {

constexpr int NB_ARRÊTS = 50;
// Progress lines read before a kill, at most: three per save, so up to four saves.
constexpr int ÉTAPES_MAX_AVANT_ARRÊT = 12;
// A child that says nothing for this long has hung: a bound, not a pace.
constexpr int ATTENTE_MAX_MS = 10000;

using Version = std::optional<Version_Mnémo>; // none: never saved

QString texte(const Version& version) {
    if (!version) return QStringLiteral("none");
    return QStringLiteral("%1/%2/%3").arg(version->mémo).arg(version->passage).arg(version->rang);
}

// The record read back, its password and its text in clear.
QStringList ficheLue(const QString& dossier, int mémo) {
    qint16 icône = 0;
    Fiche_Mnémo fiche = Lire_Fiche(dossier, nomEnBoucle(mémo), icône);
    const MdP_Lu motDePasse = Lire_MdP(fiche.MdP);
    fiche.MdP = motDePasse.motDePasse;
    for (int tour = 0; tour < motDePasse.tours; ++tour)
        fiche.Texte = Décoder(fiche.Texte);
    return champs(fiche);
}

QStringList ficheAttendue(const Version& version) {
    if (!version) return champs(Fiche_Mnémo{}); // what a missing file reads as
    Fiche_Mnémo fiche = ficheDeVersion(*version);
    fiche.Début = DÉBUT_FICHE;
    fiche.Fin = FIN_FICHE;
    return champs(fiche);
}

bool imageAttendue(const Version& version, const QImage& lue) {
    if (!version) return lue.isNull();
    return !lue.isNull() && lue.convertToFormat(QImage::Format_RGB32) == imageDeVersion(*version);
}

// What one memo holds on disk after a kill. enCours is the version the child may have been saving.
struct ÉtatMnémo {
    Version fiche;
    Version image;
};

// Checks the memo and moves its state to what it now holds; answers what is wrong, empty when nothing.
QString vérifierMnémo(const QString& dossier, int mémo, ÉtatMnémo& état, const Version& enCours) {
    const QStringList fiche = ficheLue(dossier, mémo);
    const QImage image = Lire_Image(dossier, nomEnBoucle(mémo));
    const QString quoi = QStringLiteral("memo %1 (record %2, picture %3, being saved %4): ")
                             .arg(mémo)
                             .arg(texte(état.fiche), texte(état.image), texte(enCours));

    std::optional<Version> ficheTrouvée, imageTrouvée;
    for (const Version& candidate : {état.fiche, enCours})
        if (ficheAttendue(candidate) == fiche) ficheTrouvée = candidate;
    for (const Version& candidate : {état.image, enCours})
        if (imageAttendue(candidate, image)) imageTrouvée = candidate;
    if (!ficheTrouvée)
        return quoi + QStringLiteral("its record is neither version:\n") + fiche.join(QLatin1Char('\n'));
    if (!imageTrouvée)
        return quoi + QStringLiteral("its picture is neither version (%1 x %2)")
                          .arg(image.width())
                          .arg(image.height());
    if (enCours && *ficheTrouvée == enCours && *imageTrouvée != enCours)
        return quoi + QStringLiteral("the new record stands beside the old picture");
    état = {*ficheTrouvée, *imageTrouvée};
    return {};
}

// Only the memos' files and the two a save writes aside.
QStringList fichiersInattendus(const QString& dossier) {
    QStringList attendus;
    for (int mémo = 0; mémo < NB_MNÉMOS_EN_BOUCLE; ++mémo)
        for (const QString& extension :
             {EXTENSION_FICHE, EXTENSION_IMAGE, EXTENSION_FICHE_PROVISOIRE, EXTENSION_IMAGE_PROVISOIRE})
            attendus << nomEnBoucle(mémo) + extension;
    QStringList inattendus;
    for (const QString& fichier :
         QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        if (!attendus.contains(fichier)) inattendus << fichier;
    return inattendus;
}

} // namespace

class TestArretBrutal : public QObject {
    Q_OBJECT

private slots:
    void killedSavesLeaveEveryMemoWhole() {
        const TestFolder dossier;
        const quint32 graine = QRandomGenerator::global()->generate();
        qInfo("kill points drawn with seed %u", graine);
        QRandomGenerator hasard(graine);

        std::array<ÉtatMnémo, NB_MNÉMOS_EN_BOUCLE> états{};
        QMap<QString, int> issues; // what the save under way left, for the log
        int premier = 0;
        for (int passage = 0; passage < NB_ARRÊTS; ++passage) {
            QProcess enfant;
            enfant.start(QStringLiteral(ECRIVAIN_EN_BOUCLE),
                         {dossier.memos(), QString::number(passage), QString::number(premier)});
            QVERIFY2(enfant.waitForStarted(ATTENTE_MAX_MS), qPrintable(enfant.errorString()));

            // Killed once it has told of a random number of steps, wherever it then is.
            QList<QByteArray> lignes;
            const int àLire = static_cast<int>(hasard.bounded(ÉTAPES_MAX_AVANT_ARRÊT + 1));
            while (lignes.size() < àLire) {
                if (!enfant.canReadLine())
                    QVERIFY2(enfant.waitForReadyRead(ATTENTE_MAX_MS),
                             qPrintable("the child stopped: " + enfant.readAllStandardError()));
                while (enfant.canReadLine() && lignes.size() < àLire)
                    lignes << enfant.readLine().trimmed();
            }
            enfant.kill(); // SIGKILL
            QVERIFY(enfant.waitForFinished(ATTENTE_MAX_MS));
            QVERIFY2(enfant.exitStatus() == QProcess::CrashExit,
                     qPrintable("the child ended by itself: " + enfant.readAllStandardError()));
            for (const QByteArray& ligne : enfant.readAllStandardOutput().split('\n'))
                if (!ligne.isEmpty()) lignes << ligne;

            // The saves it told of are complete; the next one may have been under way.
            int sauvées = 0;
            for (const QByteArray& ligne : std::as_const(lignes)) {
                if (!ligne.startsWith("sauve ")) continue;
                const Version_Mnémo version{(premier + sauvées) % NB_MNÉMOS_EN_BOUCLE, passage, sauvées};
                QCOMPARE(ligne, QByteArray("sauve ") +
                                    texte(version).replace(QLatin1Char('/'), QLatin1Char(' ')).toLatin1());
                états[static_cast<std::size_t>(version.mémo)] = {version, version};
                ++sauvées;
            }
            const Version_Mnémo enCours{(premier + sauvées) % NB_MNÉMOS_EN_BOUCLE, passage, sauvées};

            for (int mémo = 0; mémo < NB_MNÉMOS_EN_BOUCLE; ++mémo) {
                const Version possible = mémo == enCours.mémo ? Version(enCours) : std::nullopt;
                const QString erreur =
                    vérifierMnémo(dossier.memos(), mémo, états[static_cast<std::size_t>(mémo)], possible);
                QVERIFY2(erreur.isEmpty(), qPrintable(QStringLiteral("kill %1: ").arg(passage) + erreur));
            }
            const QStringList inattendus = fichiersInattendus(dossier.memos());
            QVERIFY2(inattendus.isEmpty(), qPrintable(inattendus.join(QLatin1Char(' '))));

            const ÉtatMnémo& après = états[static_cast<std::size_t>(enCours.mémo)];
            ++issues[après.fiche == enCours   ? QStringLiteral("saved, unreported")
                     : après.image == enCours ? QStringLiteral("new picture, old record")
                                              : QStringLiteral("untouched")];
            premier = static_cast<int>(hasard.bounded(NB_MNÉMOS_EN_BOUCLE));
        }
        QStringList bilan;
        for (auto issue = issues.cbegin(); issue != issues.cend(); ++issue)
            bilan << QStringLiteral("%1: %2").arg(issue.key()).arg(issue.value());
        qInfo("the save under way at each kill: %s", qPrintable(bilan.join(QStringLiteral(", "))));
    }
};

QTEST_GUILESS_MAIN(TestArretBrutal)
#include "tst_store_arret_brutal.moc"
